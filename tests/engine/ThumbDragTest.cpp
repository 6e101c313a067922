// Dragging the vertical thumb picks a page of the book: the page number
// follows the thumb, and the page is decoded only once the drag ends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/EngineFixture.h"

namespace {

struct DragCase {
    const char* name;
    int pageCount;
    std::vector<int> positions;  // one thumb-track notification each
    int expectedIndex;
    int trackedPosition;
};

class ThumbDragTest : public EngineTest, public testing::WithParamInterface<DragCase> {};

TEST_P(ThumbDragTest, FollowsTheThumbAndShowsThePageWhenDropped) {
    const DragCase& c = GetParam();
    // Pages fitted 400 x 600 into a client 600 high.
    MakeColouredPages(20, 30, c.pageCount);
    FakeWindow window(817, 600);
    mvImage& e = Open(window);
    e.FitToWindow();
    const Image* shownPicture = e.image.get();
    StartRecording(window);

    for (int position : c.positions) e.ScrollVertical(position, SB_THUMBTRACK);

    EXPECT_TRUE(e.thumbTracking);
    EXPECT_EQ(e.currentIndex, c.expectedIndex);
    EXPECT_EQ(e.trackedPosition, c.trackedPosition);
    ASSERT_FALSE(window.calls.empty());
    EXPECT_EQ(window.calls.back(), "pos V " + std::to_string(c.trackedPosition));
    EXPECT_EQ(DecodesSinceRecording(), 0);
    EXPECT_EQ(window.flushes.size(), c.positions.size()) << "one redraw per notification";
    EXPECT_EQ(e.image.get(), shownPicture);
    EXPECT_TRUE(ShowsPage(window, 0)) << "the page on screen stays during the drag";

    StartRecording(window);
    e.ScrollVertical(0, SB_ENDSCROLL);

    EXPECT_FALSE(e.thumbTracking);
    EXPECT_EQ(e.currentIndex, c.expectedIndex);
    EXPECT_EQ(DecodesSinceRecording(), 1);
    EXPECT_TRUE(ShowsPage(window, c.expectedIndex));
    EXPECT_EQ(e.originY, 0);
    EXPECT_EQ(e.vOffset, 0);
    // The thumb stays where it was dropped.
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(window.bars[SB_VERT].pos, c.trackedPosition);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, ThumbDragTest,
    testing::Values(
        // Ten pages: (6000 - 600) / 10 = 540 bar units per page.
        DragCase{"JustBeforePageOne", 10, {539}, 0, 539}, DragCase{"AtPageOne", 10, {540}, 1, 540},
        DragCase{"PastTheLastPage", 10, {5401}, 9, 5401}, DragCase{"AboveTheTop", 10, {-20}, 0, 0},
        DragCase{"BackAndForth", 10, {540, 4860, 1080}, 2, 1080},
        // Two hundred pages, a long document: (30000 - 600) / 200 = 147.
        DragCase{"LongDocument", 200, {1470}, 10, 1470},
        DragCase{"LongDocumentJustBefore", 200, {1469}, 9, 1469}),
    [](const testing::TestParamInfo<DragCase>& info) { return info.param.name; });

}  // namespace
