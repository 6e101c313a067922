// Scrolling to the top or the bottom of a page taller than the window runs
// into its edge, and so turns to the neighbouring page.
#include <gtest/gtest.h>

#include "engine/EngineFixture.h"

namespace {

struct TallEdgeCase {
    const char* name;
    int code;
    int startIndex;
    int expectedIndex, originY, vOffset, position;
};

class TallPageEdgeScrollTest : public EngineTest,
                               public testing::WithParamInterface<TallEdgeCase> {};

TEST_P(TallPageEdgeScrollTest, ReachesTheEdge) {
    const TallEdgeCase& c = GetParam();
    FakeWindow window(817, 600);
    // Pages 750 high in a client 600 high, the top edge at -75.
    mvImage& e = OpenZoomedTallBook(window, 10, c.startIndex);
    StartRecording(window);

    e.ScrollVertical(0, c.code);

    const bool turned = c.expectedIndex != c.startIndex;
    EXPECT_EQ(e.currentIndex, c.expectedIndex);
    EXPECT_EQ(e.originY, c.originY);
    EXPECT_EQ(e.vOffset, c.vOffset);
    EXPECT_EQ(window.bars[SB_VERT].pos, c.position);
    EXPECT_EQ(DecodesSinceRecording(), turned ? 1 : 0);
    EXPECT_TRUE(ShowsPage(window, c.expectedIndex));
}

INSTANTIATE_TEST_SUITE_P(
    Edges, TallPageEdgeScrollTest,
    testing::Values(
        // The top edge at 0: the previous page, shown from its bottom.
        TallEdgeCase{"Top", SB_TOP, 3, 2, 0, -150, 1650},
        // originY -750, clamped to a top edge of 600 - 750 - 1: the next page from its top.
        TallEdgeCase{"Bottom", SB_BOTTOM, 3, 4, 0, 0, 3000},
        // No page to turn to: the page stays at the edge it was brought to.
        TallEdgeCase{"TopOfTheFirstPage", SB_TOP, 0, 0, -75, 75, 0},
        TallEdgeCase{"BottomOfTheLastPage", SB_BOTTOM, 9, 9, -750, 599, 6901}),
    [](const testing::TestParamInfo<TallEdgeCase>& info) { return info.param.name; });

}  // namespace
