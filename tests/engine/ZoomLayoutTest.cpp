// A zoom step lays the page out again centred on both axes, with the bars
// configured for the new size, in as few passes as the bars allow.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/EngineFixture.h"

namespace {

class ZoomLayoutTest : public EngineTest {};

TEST_F(ZoomLayoutTest, ZoomInFromTheFittedPageCentresItInOnePass) {
    MakeColouredPages(1000, 1500, 10);
    FakeWindow window(817, 600);
    mvImage& e = Open(window);
    e.FitToWindow();
    ASSERT_DOUBLE_EQ(e.zoomPercent, 40.0);
    ASSERT_TRUE(e.vertBarShown);
    ASSERT_EQ(window.GetClientRect().Width(), 800);
    int sizeNotifications = 0;
    window.onSize = [&](int, int) { ++sizeNotifications; };
    StartRecording(window);

    e.ZoomIn();

    EXPECT_DOUBLE_EQ(e.zoomPercent, 50.0);
    EXPECT_EQ(e.drawWidth, 500);
    EXPECT_EQ(e.drawHeight, 750);
    EXPECT_EQ(e.originX, 150);
    EXPECT_EQ(e.originY, -75);
    EXPECT_EQ(e.vOffset, 0);
    EXPECT_EQ(e.hOffset, 0);
    EXPECT_FALSE(e.horzBarShown);
    EXPECT_FALSE(e.longDocument);
    EXPECT_FALSE(e.inLayout);
    // Document 7500 high, the window's top edge 75 pixels into it. Neither
    // bar changes its visibility, so a single pass configures each once.
    std::vector<std::string> expected = {"info V 0 7500 600 75", "range V 0 7500", "pos V 75",
                                         "show V 1", "show H 0"};
    EXPECT_EQ(window.calls, expected);
    EXPECT_EQ(sizeNotifications, 0);
    EXPECT_EQ(DecodesSinceRecording(), 0);
    ASSERT_EQ(window.flushes.size(), 1u);
    EXPECT_EQ(window.flushes[0], window.GetClientRect()) << "drawn with the white fill";
    EXPECT_TRUE(ShowsPage(window, 0));
}

TEST_F(ZoomLayoutTest, ZoomThatShowsTheBarLaysThePageOutAgainBesideIt) {
    MakeColouredPages(300, 600, 1);
    FakeWindow window(800, 600);
    mvImage& e = Open(window);
    e.ResizeView();
    ASSERT_FALSE(e.vertBarShown);
    StartRecording(window);

    e.ZoomIn();

    // 330 x 660 no longer fits: the bar appears, and the second pass centres
    // the page in the 783 pixels left beside it.
    EXPECT_TRUE(e.vertBarShown);
    EXPECT_EQ(e.originX, 226);
    EXPECT_EQ(e.originY, -30);
    std::vector<std::string> expected = {
        "info V 0 660 600 30", "range V 0 660", "pos V 30", "show V 1", "info V 0 660 600 30",
        "range V 0 660",       "pos V 30",      "show V 1", "show H 0"};
    EXPECT_EQ(window.calls, expected);

    StartRecording(window);
    e.ZoomOut();

    // Back at 600 high the bar goes, and the page is centred in all 800.
    EXPECT_FALSE(e.vertBarShown);
    EXPECT_EQ(e.originX, 250);
    EXPECT_EQ(e.originY, 0);
    expected = {"show V 0", "show V 0", "show H 0"};
    EXPECT_EQ(window.calls, expected);
}

TEST_F(ZoomLayoutTest, ZoomShowsTheMiddleOfAScrolledPage) {
    FakeWindow window(817, 600);
    // 500 x 750 centred at originY -75 in a client 600 high.
    mvImage& e = OpenZoomedTallBook(window, 10, 2);
    e.ScrollVertical(0, SB_LINEDOWN);
    e.ScrollVertical(0, SB_LINEDOWN);
    ASSERT_EQ(e.vOffset, -60);
    StartRecording(window);

    e.ZoomIn();

    // 600 x 900: centred at originY -150, the scroll offset dropped; the
    // thumb at 150 pixels into page 2.
    EXPECT_EQ(e.drawHeight, 900);
    EXPECT_EQ(e.originY, -150);
    EXPECT_EQ(e.vOffset, 0);
    EXPECT_EQ(e.currentIndex, 2);
    std::vector<std::string> expected = {"info V 0 9000 600 1950", "range V 0 9000", "pos V 1950",
                                         "show V 1", "show H 0"};
    EXPECT_EQ(window.calls, expected);
    EXPECT_EQ(DecodesSinceRecording(), 0);
}

TEST_F(ZoomLayoutTest, ZoomOutKeepsTheHorizontalScrollWithinTheNarrowerPage) {
    FakeWindow window(717, 617);
    mvImage& e = OpenWideBook(window);
    e.ScrollHorizontal(SB_THUMBTRACK, 5000);
    ASSERT_EQ(e.originX + e.hOffset, -2301) << "scrolled one pixel past the right edge";
    StartRecording(window);

    e.ZoomOut();

    // At 90 percent the page is 2700 x 360, centred at originX -1000; the
    // offset of -1151 is pulled back to -1001, one pixel past the right edge.
    EXPECT_EQ(e.drawWidth, 2700);
    EXPECT_EQ(e.originX, -1000);
    EXPECT_EQ(e.hOffset, -1001);
    EXPECT_EQ(e.originY, 120);
    std::vector<std::string> expected = {
        "info V 0 1080 600 480",  "range V 0 1080", "pos V 480",  "show V 1",
        "info H 0 2700 700 2001", "range H 0 2700", "pos H 2001", "show H 1"};
    EXPECT_EQ(window.calls, expected);
    EXPECT_EQ(e.currentIndex, 1);
    EXPECT_EQ(DecodesSinceRecording(), 0);
}

}  // namespace
