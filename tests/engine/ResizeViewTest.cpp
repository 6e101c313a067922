// After the window changed size the page is laid out again at the same zoom:
// a fitted page is not fitted again, and it ends centred on both axes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/EngineFixture.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

struct ResizeCase {
    const char* name;
    int zoomSteps;  // zoom-ins after fitting 1000 x 1500 at 40 percent in 800 x 600
    int windowWidth, windowHeight;
    double zoomPercent;
    int drawWidth, drawHeight, originX, originY;
    std::vector<std::string> calls;
};

class ResizeViewTest : public EngineTest, public testing::WithParamInterface<ResizeCase> {};

TEST_P(ResizeViewTest, KeepsTheZoomAndCentresThePage) {
    const ResizeCase& c = GetParam();
    MakeColouredPages(1000, 1500, 10);
    FakeWindow window(817, 600);
    mvImage& e = Open(window);
    e.FitToWindow();
    for (int i = 0; i < c.zoomSteps; ++i) e.ZoomIn();
    window.Resize(c.windowWidth, c.windowHeight);
    StartRecording(window);

    e.ResizeView();

    EXPECT_DOUBLE_EQ(e.zoomPercent, c.zoomPercent);
    EXPECT_EQ(e.drawWidth, c.drawWidth);
    EXPECT_EQ(e.drawHeight, c.drawHeight);
    EXPECT_EQ(e.originX, c.originX);
    EXPECT_EQ(e.originY, c.originY);
    EXPECT_EQ(e.vOffset, 0);
    EXPECT_EQ(e.hOffset, 0);
    EXPECT_FALSE(e.inLayout);
    EXPECT_EQ(window.calls, c.calls);
    EXPECT_EQ(DecodesSinceRecording(), 0);
    EXPECT_TRUE(ShowsPage(window, 0));
    // Left of a page that moved right, the white fill, not the old page.
    if (c.originX > 0) {
        Rect client = window.GetClientRect();
        EXPECT_EQ(window.Surface().PixelAt(c.originX - 1, client.Height() / 2), kWhite);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ResizeViewTest,
    testing::Values(
        // Client 1000 x 800: the fitted 400 x 600 stays and moves to the middle.
        // The thumb shows the earlier offset clamped to the new bounds (99).
        ResizeCase{
            "FittedIntoLarger",
            0,
            1017,
            800,
            40.0,
            400,
            600,
            300,
            100,
            {"show H 0", "info V 0 6000 800 199", "range V 0 6000", "pos V 199", "show V 1"}},
        ResizeCase{"ZoomedIntoLarger",
                   1,
                   1017,
                   800,
                   50.0,
                   500,
                   750,
                   250,
                   25,
                   {"show H 0", "info V 0 7500 800 49", "range V 0 7500", "pos V 49", "show V 1"}},
        // Client 500 x 500: still 400 x 600, now taller than the window.
        ResizeCase{"FittedIntoSmaller",
                   0,
                   517,
                   500,
                   40.0,
                   400,
                   600,
                   50,
                   -50,
                   {"show H 0", "info V 0 6000 500 50", "range V 0 6000", "pos V 50", "show V 1"}},
        // 600 x 900 in 500 x 500 needs the horizontal bar, which takes 17
        // pixels of height; the second pass lays out in 500 x 483.
        ResizeCase{"ZoomedIntoSmallerGainsTheHorizontalBar",
                   2,
                   517,
                   500,
                   60.0,
                   600,
                   900,
                   -50,
                   -208,
                   {"info H 0 600 500 50", "range H 0 600", "pos H 50", "show H 1",
                    "info H 0 600 500 50", "range H 0 600", "pos H 50", "show H 1",
                    "info V 0 9000 483 208", "range V 0 9000", "pos V 208", "show V 1"}}),
    [](const testing::TestParamInfo<ResizeCase>& info) { return info.param.name; });

}  // namespace
