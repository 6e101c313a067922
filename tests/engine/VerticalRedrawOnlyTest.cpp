// Vertical notifications that move nothing: the release of the thumb, the end
// of a scroll action outside a drag, and codes the engine does not know. They
// redraw the page and change nothing else.
#include <gtest/gtest.h>

#include "engine/EngineFixture.h"
#include "engine/EngineSnapshot.h"

namespace {

struct RedrawCase {
    const char* name;
    bool dragging;
    int code;
};

class VerticalRedrawOnlyTest : public EngineTest, public testing::WithParamInterface<RedrawCase> {};

TEST_P(VerticalRedrawOnlyTest, OnlyRedraws) {
    const RedrawCase& c = GetParam();
    MakeColouredPages(20, 30, 10);
    FakeWindow window(817, 600);
    mvImage& e = Open(window);
    e.FitToWindow();
    if (c.dragging) e.ScrollVertical(2700, SB_THUMBTRACK);
    EngineSnapshot before(e);
    StartRecording(window);

    e.ScrollVertical(4000, c.code);

    EXPECT_EQ(EngineSnapshot(e), before);
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(DecodesSinceRecording(), 0);
    ASSERT_EQ(window.flushes.size(), 1u);
    EXPECT_EQ(window.flushes[0], PageRect()) << "the page alone, without the white fill";
}

INSTANTIATE_TEST_SUITE_P(
    Codes, VerticalRedrawOnlyTest,
    testing::Values(RedrawCase{"EndScrollWhileIdle", false, SB_ENDSCROLL},
                    RedrawCase{"ThumbPositionWhileIdle", false, SB_THUMBPOSITION},
                    RedrawCase{"ThumbPositionWhileDragging", true, SB_THUMBPOSITION},
                    RedrawCase{"UnknownCode", false, 9},
                    RedrawCase{"UnknownCodeWhileDragging", true, 9}),
    [](const testing::TestParamInfo<RedrawCase>& info) { return info.param.name; });

}  // namespace
