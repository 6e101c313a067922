// Line and page steps on a page taller than the window scroll within it and
// turn the page at its edges: upward as soon as the top edge is reached,
// downward once the bottom has passed the window's bottom edge.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/EngineFixture.h"

namespace {

// Which page is shown, where, and where the thumb is.
struct Shown {
    int index, originY, vOffset, position;
};

struct ScrollRunCase {
    const char* name;
    int startIndex;
    int code;
    // Steps that stay within the page: its top edge and the thumb after each.
    std::vector<int> topEdges;
    std::vector<int> positions;
    // The step after those.
    Shown last;
    bool turns;
};

class TallPageScrollTest : public EngineTest, public testing::WithParamInterface<ScrollRunCase> {};

TEST_P(TallPageScrollTest, ScrollsWithinThePageThenTurnsIt) {
    const ScrollRunCase& c = GetParam();
    FakeWindow window(817, 600);
    // Pages 750 high in a client 600 high, the top edge at -75.
    mvImage& e = OpenZoomedTallBook(window, 10, c.startIndex);
    ASSERT_EQ(e.originY + e.vOffset, -75);

    for (size_t i = 0; i < c.topEdges.size(); ++i) {
        StartRecording(window);
        e.ScrollVertical(0, c.code);
        SCOPED_TRACE("step " + std::to_string(i + 1));
        EXPECT_EQ(e.originY + e.vOffset, c.topEdges[i]);
        EXPECT_EQ(e.currentIndex, c.startIndex);
        EXPECT_EQ(window.calls,
                  std::vector<std::string>{"pos V " + std::to_string(c.positions[i])});
        EXPECT_EQ(DecodesSinceRecording(), 0);
        // Scrolling paints only the page rectangle, without the white fill.
        ASSERT_EQ(window.flushes.size(), 1u);
        EXPECT_EQ(window.flushes[0], PageRect().Intersected(window.GetClientRect()));
    }

    StartRecording(window);
    e.ScrollVertical(0, c.code);
    EXPECT_EQ(e.currentIndex, c.last.index);
    EXPECT_EQ(e.originY, c.last.originY);
    EXPECT_EQ(e.vOffset, c.last.vOffset);
    EXPECT_EQ(window.bars[SB_VERT].pos, c.last.position);
    EXPECT_EQ(DecodesSinceRecording(), c.turns ? 1 : 0);
    EXPECT_TRUE(ShowsPage(window, c.last.index));
    // A turn draws the new page with the fill, then the scroll draws it again.
    ASSERT_EQ(window.flushes.size(), c.turns ? 2u : 1u);
    if (c.turns) {
        EXPECT_EQ(window.flushes[0], window.GetClientRect());
    }
    for (const std::string& call : window.calls) EXPECT_EQ(call.rfind("pos V ", 0), 0u) << call;
}

INSTANTIATE_TEST_SUITE_P(
    Runs, TallPageScrollTest,
    testing::Values(
        // Clamped at -151, one pixel past flush: the next page from its top.
        ScrollRunCase{"LineDown", 0, SB_LINEDOWN, {-105, -135}, {105, 135}, {1, 0, 0, 750}, true},
        // Clamped at 0: the previous page from its bottom.
        ScrollRunCase{"LineUp", 3, SB_LINEUP, {-45, -15}, {2295, 2265}, {2, 0, -150, 1650}, true},
        // A page step is 750 / 10 pages = 75 pixels.
        ScrollRunCase{"PageDown", 0, SB_PAGEDOWN, {-150}, {150}, {1, 0, 0, 750}, true},
        ScrollRunCase{"PageUp", 3, SB_PAGEUP, {}, {}, {2, 0, -150, 1650}, true},
        // At the ends of the book the page stops at the clamp.
        ScrollRunCase{"LineDownOnTheLastPage",
                      9,
                      SB_LINEDOWN,
                      {-105, -135},
                      {6855, 6885},
                      {9, -75, -76, 6901},
                      false},
        ScrollRunCase{
            "LineUpOnTheFirstPage", 0, SB_LINEUP, {-45, -15}, {45, 15}, {0, -75, 75, 0}, false}),
    [](const testing::TestParamInfo<ScrollRunCase>& info) { return info.param.name; });

}  // namespace
