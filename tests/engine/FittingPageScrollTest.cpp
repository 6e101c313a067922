// On a page no taller than the window every line or page step, and every
// wheel message, turns exactly one page.
#include <gtest/gtest.h>

#include "engine/EngineFixture.h"

namespace {

struct FittingStepCase {
    const char* name;
    int code;
    int startIndex;
    int expectedIndex;
};

class FittingPageScrollTest : public EngineTest,
                              public testing::WithParamInterface<FittingStepCase> {};

TEST_P(FittingPageScrollTest, TurnsOnePage) {
    const FittingStepCase& c = GetParam();
    // Ten pages fitted 400 x 600 into a client exactly 600 high.
    MakeColouredPages(20, 30, 10);
    FakeWindow window(817, 600);
    mvImage& e = Open(window);
    e.FitToWindow();
    if (c.startIndex != 0) e.GoToPage(c.startIndex);
    ASSERT_EQ(e.drawHeight, window.GetClientRect().Height());
    StartRecording(window);

    e.ScrollVertical(0, c.code);

    const bool turned = c.expectedIndex != c.startIndex;
    EXPECT_EQ(e.currentIndex, c.expectedIndex);
    EXPECT_EQ(e.originY, 0);
    EXPECT_EQ(e.vOffset, 0);
    EXPECT_EQ(DecodesSinceRecording(), turned ? 1 : 0);
    EXPECT_TRUE(ShowsPage(window, c.expectedIndex));
    // The thumb at the page's place in the book: (6000 - 600) / 10 per page.
    EXPECT_EQ(window.bars[SB_VERT].pos, 540 * c.expectedIndex);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FittingPageScrollTest,
    testing::Values(FittingStepCase{"LineDown", SB_LINEDOWN, 0, 1},
                    FittingStepCase{"LineUp", SB_LINEUP, 2, 1},
                    FittingStepCase{"PageDown", SB_PAGEDOWN, 4, 5},
                    FittingStepCase{"PageUp", SB_PAGEUP, 4, 3},
                    FittingStepCase{"LineDownOnTheLastPage", SB_LINEDOWN, 9, 9},
                    FittingStepCase{"LineUpOnTheFirstPage", SB_LINEUP, 0, 0}),
    [](const testing::TestParamInfo<FittingStepCase>& info) { return info.param.name; });

}  // namespace
