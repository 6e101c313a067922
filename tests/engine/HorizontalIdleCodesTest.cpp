// Horizontal notifications that move nothing: left, right and the end of a
// scroll action are ignored outright; the release of the thumb only redraws.
#include <gtest/gtest.h>

#include "engine/EngineFixture.h"
#include "engine/EngineSnapshot.h"

namespace {

struct IdleCodeCase {
    const char* name;
    int code;
    bool redraws;
};

class HorizontalIdleCodesTest : public EngineTest,
                                public testing::WithParamInterface<IdleCodeCase> {};

TEST_P(HorizontalIdleCodesTest, MovesNothing) {
    const IdleCodeCase& c = GetParam();
    FakeWindow window(717, 617);
    mvImage& e = OpenWideBook(window);
    // Away from both ends, so that a jump to either would show.
    e.ScrollHorizontal(SB_LINEDOWN, 0);
    EngineSnapshot before(e);
    StartRecording(window);

    e.ScrollHorizontal(c.code, 300);

    EXPECT_EQ(EngineSnapshot(e), before);
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(DecodesSinceRecording(), 0);
    EXPECT_EQ(window.flushes.size(), c.redraws ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Codes, HorizontalIdleCodesTest,
                         testing::Values(IdleCodeCase{"Left", SB_TOP, false},
                                         IdleCodeCase{"Right", SB_BOTTOM, false},
                                         IdleCodeCase{"EndScroll", SB_ENDSCROLL, false},
                                         IdleCodeCase{"ThumbPosition", SB_THUMBPOSITION, true}),
                         [](const testing::TestParamInfo<IdleCodeCase>& info) {
                             return info.param.name;
                         });

}  // namespace
