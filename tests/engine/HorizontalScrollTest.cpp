// The horizontal bar moves a page wider than the window between its left
// edge flush with the window's and one pixel past its right edge; it never
// turns a page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/EngineFixture.h"

namespace {

struct HorizontalCase {
    const char* name;
    int code;
    int position;
    int times;     // notifications in a row
    int leftEdge;  // originX + hOffset afterwards; the bar shows its distance from 0
};

class HorizontalScrollTest : public EngineTest,
                             public testing::WithParamInterface<HorizontalCase> {};

TEST_P(HorizontalScrollTest, MovesThePageWithinItsBounds) {
    const HorizontalCase& c = GetParam();
    FakeWindow window(717, 617);
    // Page 1 of three, 3000 wide in a client 700 wide, the left edge at -1150.
    mvImage& e = OpenWideBook(window);
    ASSERT_EQ(e.originX + e.hOffset, -1150);
    StartRecording(window);

    for (int i = 0; i < c.times; ++i) e.ScrollHorizontal(c.code, c.position);

    EXPECT_EQ(e.originX + e.hOffset, c.leftEdge);
    // Each notification moves only the thumb, to the page's distance from the start.
    ASSERT_EQ(window.calls.size(), static_cast<size_t>(c.times));
    EXPECT_EQ(window.calls.back(), "pos H " + std::to_string(-c.leftEdge));
    EXPECT_EQ(e.currentIndex, 1);
    EXPECT_EQ(e.originY + e.vOffset, 100);
    EXPECT_EQ(DecodesSinceRecording(), 0);
    ASSERT_EQ(window.flushes.size(), static_cast<size_t>(c.times));
    EXPECT_EQ(window.flushes.back(), PageRect().Intersected(window.GetClientRect()));
    EXPECT_TRUE(ShowsPage(window, 1));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, HorizontalScrollTest,
    testing::Values(
        // The position only counts for the thumb; the others get a stray one.
        HorizontalCase{"LineLeft", SB_LINEUP, 777, 1, -1120},
        HorizontalCase{"LineRight", SB_LINEDOWN, 777, 1, -1180},
        // A page step is the client width.
        HorizontalCase{"PageLeft", SB_PAGEUP, 777, 1, -450},
        HorizontalCase{"PageRight", SB_PAGEDOWN, 777, 1, -1850},
        // Stopped with the left edges flush, and one pixel past the right edge.
        HorizontalCase{"PageLeftPastTheStart", SB_PAGEUP, 777, 2, 0},
        HorizontalCase{"PageRightPastTheEnd", SB_PAGEDOWN, 777, 2, -2301},
        HorizontalCase{"ThumbToTheStart", SB_THUMBTRACK, 0, 1, 0},
        HorizontalCase{"ThumbInside", SB_THUMBTRACK, 1000, 1, -1000},
        HorizontalCase{"ThumbBeyondTheEnd", SB_THUMBTRACK, 2400, 1, -2301}),
    [](const testing::TestParamInfo<HorizontalCase>& info) { return info.param.name; });

}  // namespace
