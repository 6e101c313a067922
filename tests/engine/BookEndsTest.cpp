// Stepping past either end of the book is ignored before anything is
// released, decoded or drawn, so holding a key down there costs nothing.
#include <gtest/gtest.h>

#include <functional>

#include "engine/EngineFixture.h"
#include "engine/EngineSnapshot.h"

namespace {

struct EndCase {
    const char* name;
    int pageCount;
    int startIndex;
    std::function<void(mvImage&)> step;
};

class BookEndsTest : public EngineTest, public testing::WithParamInterface<EndCase> {};

TEST_P(BookEndsTest, ChangesAndDrawsNothing) {
    const EndCase& c = GetParam();
    FakeWindow window(817, 600);
    // Centred at originY -75: a placement for a new page would move it.
    mvImage& e = OpenZoomedTallBook(window, c.pageCount, c.startIndex);
    EngineSnapshot before(e);
    StartRecording(window);

    c.step(e);

    EXPECT_EQ(EngineSnapshot(e), before);
    EXPECT_TRUE(window.calls.empty());
    EXPECT_TRUE(window.flushes.empty());
    EXPECT_EQ(DecodesSinceRecording(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, BookEndsTest,
    testing::Values(EndCase{"NextOnTheLastPage", 10, 9, [](mvImage& e) { e.NextPage(); }},
                    EndCase{"PreviousOnTheFirstPage", 10, 0, [](mvImage& e) { e.PreviousPage(); }},
                    EndCase{"NextInAOnePageBook", 1, 0, [](mvImage& e) { e.NextPage(); }},
                    EndCase{"PreviousInAOnePageBook", 1, 0, [](mvImage& e) { e.PreviousPage(); }}),
    [](const testing::TestParamInfo<EndCase>& info) { return info.param.name; });

}  // namespace
