// Scrolling to the top or the bottom of a page no taller than the window
// moves it within the clamp's bounds and never turns the page.
#include <gtest/gtest.h>

#include "engine/EngineFixture.h"

namespace {

struct FittingEdgeCase {
    const char* name;
    int pageWidth, pageHeight;
    int windowWidth;  // and 600 high
    int code;
    int originYBefore;  // where the page stepped to page 1 sits
    int topEdge;        // originY + vOffset afterwards
    int position;
};

class FittingPageEdgeScrollTest : public EngineTest,
                                  public testing::WithParamInterface<FittingEdgeCase> {};

TEST_P(FittingPageEdgeScrollTest, MovesWithoutTurning) {
    const FittingEdgeCase& c = GetParam();
    MakeColouredPages(c.pageWidth, c.pageHeight, 10);
    FakeWindow window(c.windowWidth, 600);
    mvImage& e = Open(window);
    e.FitToWindow();
    e.NextPage();
    ASSERT_EQ(e.originY, c.originYBefore);
    StartRecording(window);

    e.ScrollVertical(0, c.code);

    EXPECT_EQ(e.originY + e.vOffset, c.topEdge);
    EXPECT_EQ(e.currentIndex, 1);
    EXPECT_EQ(window.bars[SB_VERT].pos, c.position);
    EXPECT_EQ(DecodesSinceRecording(), 0);
    EXPECT_TRUE(ShowsPage(window, 1));
}

INSTANTIATE_TEST_SUITE_P(
    Edges, FittingPageEdgeScrollTest,
    testing::Values(
        // 800 x 400 fitted by width, centred at originY 100 by the step: code 6
        // moves it down to 2 x 100, its bottom near the window's bottom.
        FittingEdgeCase{"ShortPageTop", 2000, 1000, 800, SB_TOP, 100, 200, 200 + 400},
        FittingEdgeCase{"ShortPageBottom", 2000, 1000, 800, SB_BOTTOM, 100, 0, 400},
        // Exactly as high as the client area: the bottom clamp ends one pixel up.
        FittingEdgeCase{"ExactPageTop", 20, 30, 817, SB_TOP, 0, 0, 600},
        FittingEdgeCase{"ExactPageBottom", 20, 30, 817, SB_BOTTOM, 0, -1, 1 + 600}),
    [](const testing::TestParamInfo<FittingEdgeCase>& info) { return info.param.name; });

}  // namespace
