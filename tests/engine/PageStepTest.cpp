// Each page step decodes the new page once, places it by the page
// rectangle's height (top or bottom of a tall page at the window's edge, a
// short one centred), moves the thumb and redraws with the white fill. The
// rectangle's size and the zoom stay as they were laid out.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/EngineFixture.h"

namespace {

enum class Book {
    Tall,   // pages 750 high in a client 600 high
    Short,  // pages 400 high in a client 600 high, fitted at originY 0
};

struct StepCase {
    const char* name;
    Book book;
    int pageCount;
    int startIndex;
    std::function<void(mvImage&)> step;
    int expectedIndex, originY, vOffset;
    std::vector<std::string> calls;
};

class PageStepTest : public EngineTest, public testing::WithParamInterface<StepCase> {};

TEST_P(PageStepTest, ShowsThePageInPlace) {
    const StepCase& c = GetParam();
    FakeWindow window(c.book == Book::Tall ? 817 : 800, 600);
    mvImage* e = nullptr;
    if (c.book == Book::Tall) {
        e = &OpenZoomedTallBook(window, c.pageCount, c.startIndex);
    } else {
        MakeColouredPages(2000, 1000, c.pageCount);
        e = &Open(window);
        e->FitToWindow();
        if (c.startIndex != 0) e->GoToPage(c.startIndex);
    }
    const int drawWidth = e->drawWidth, drawHeight = e->drawHeight, originX = e->originX;
    const double zoom = e->zoomPercent;
    StartRecording(window);

    c.step(*e);

    EXPECT_EQ(e->currentIndex, c.expectedIndex);
    EXPECT_EQ(e->originY, c.originY);
    EXPECT_EQ(e->vOffset, c.vOffset);
    EXPECT_EQ(window.calls, c.calls);
    EXPECT_EQ(DecodesSinceRecording(), 1);
    EXPECT_TRUE(ShowsPage(window, c.expectedIndex));
    ASSERT_EQ(window.flushes.size(), 1u);
    EXPECT_EQ(window.flushes[0], window.GetClientRect()) << "drawn with the white fill";
    EXPECT_EQ(e->drawWidth, drawWidth);
    EXPECT_EQ(e->drawHeight, drawHeight);
    EXPECT_EQ(e->originX, originX);
    EXPECT_EQ(e->hOffset, 0);
    EXPECT_DOUBLE_EQ(e->zoomPercent, zoom);
}

void Next(mvImage& e) {
    e.NextPage();
}
void Previous(mvImage& e) {
    e.PreviousPage();
}
void First(mvImage& e) {
    e.FirstPage();
}
void Last(mvImage& e) {
    e.LastPage();
}

// Ten tall pages: the thumb moves (7500 - 600) / 10 = 690 per page; one tall
// page: 750 - 600 = 150; ten short pages: (4000 - 600) / 10 = 340.
INSTANTIATE_TEST_SUITE_P(
    Steps, PageStepTest,
    testing::Values(
        StepCase{"TallNext", Book::Tall, 10, 0, Next, 1, 0, 0, {"pos V 690"}},
        StepCase{"TallPrevious", Book::Tall, 10, 3, Previous, 2, 0, -150, {"pos V 1380"}},
        StepCase{"TallFirstOnTheFirstPage", Book::Tall, 10, 0, First, 0, 0, 0, {"pos V 0"}},
        StepCase{"TallFirstFromTheMiddle", Book::Tall, 10, 5, First, 0, 0, 0, {"pos V 0"}},
        StepCase{"TallLastOnTheLastPage", Book::Tall, 10, 9, Last, 9, 0, -150, {"pos V 6210"}},
        StepCase{"TallLastFromTheMiddle", Book::Tall, 10, 5, Last, 9, 0, -150, {"pos V 6210"}},
        // Ends a thumb drag: the thumb stays where it was dropped.
        StepCase{"TallGoToPage", Book::Tall, 10, 7, [](mvImage& e) { e.GoToPage(3); }, 3, 0, 0, {}},
        StepCase{"OnePageFirst", Book::Tall, 1, 0, First, 0, 0, 0, {"pos V 0"}},
        StepCase{"OnePageLast", Book::Tall, 1, 0, Last, 0, 0, -150, {"pos V 0"}},
        StepCase{"ShortNext", Book::Short, 10, 0, Next, 1, 100, 0, {"pos V 340"}},
        StepCase{"ShortPrevious", Book::Short, 10, 2, Previous, 1, 100, 0, {"pos V 340"}},
        StepCase{"ShortFirst", Book::Short, 10, 0, First, 0, 100, 0, {"pos V 0"}},
        StepCase{"ShortLast", Book::Short, 10, 0, Last, 9, 100, 0, {"pos V 3060"}},
        StepCase{
            "ShortGoToPage", Book::Short, 10, 0, [](mvImage& e) { e.GoToPage(4); }, 4, 100, 0, {}}),
    [](const testing::TestParamInfo<StepCase>& info) { return info.param.name; });

}  // namespace
