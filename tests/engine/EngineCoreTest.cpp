// The engine's layout arithmetic, drawing and readiness, against a fake window.
#include <gtest/gtest.h>

#include "engine/EngineFixture.h"
#include "engine/FakeWindow.h"
#include "engine/mvImage.h"
#include "platform/DrawingSurface.h"
#include "platform/Image.h"
#include "platform/InvalidArgument.h"
#include "support/Colours.h"
#include "support/Fixtures.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kRed = 0xFFFF0000;

struct DisplaySizeCase {
    int width, height, dpiX, dpiY, units;
    int expectedWidth, expectedHeight;
};

class DisplaySizeTest : public EngineTest, public testing::WithParamInterface<DisplaySizeCase> {};

TEST_P(DisplaySizeTest, ShrinksTheAxisOfHigherResolution) {
    const DisplaySizeCase& c = GetParam();
    MakePages(c.width, c.height, 1, c.dpiX, c.dpiY, c.units);
    FakeWindow window(800, 600);
    mvImage& e = Open(window);
    int width = -1, height = -1;
    ASSERT_TRUE(e.GetDisplaySize(width, height));
    EXPECT_EQ(width, c.expectedWidth);
    EXPECT_EQ(height, c.expectedHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Resolutions, DisplaySizeTest,
    testing::Values(DisplaySizeCase{1000, 800, 0, 0, 1, 1000, 800},     // no density: 96 x 96
                    DisplaySizeCase{1000, 800, 300, 150, 1, 500, 800},  // wider dots: width shrinks
                    DisplaySizeCase{1000, 800, 72, 96, 1, 1000,
                                    600},  // taller dots: height shrinks
                    DisplaySizeCase{1000, 800, 38, 38, 2, 1000, 800},   // 96.52 dpi both ways
                    DisplaySizeCase{1000, 800, 96, 38, 2, 395, 800}));  // 243.8 x 96.5 dpi

TEST_F(EngineTest, DisplaySizeOfNothing) {
    FakeWindow window(800, 600);
    mvImage e(&window);
    int width = 7, height = 9;
    EXPECT_FALSE(e.GetDisplaySize(width, height));
    EXPECT_EQ(width, 7);
    EXPECT_EQ(height, 9);

    pages = {folder / "missing.jpg"};
    Open(window);
    ASSERT_TRUE(engine->GetDisplaySize(width, height));
    EXPECT_EQ(width, 1);
    EXPECT_EQ(height, 1);
}

struct FitCase {
    const char* name;
    int pageWidth, pageHeight, pageCount, clientWidth, clientHeight;
    int drawWidth, drawHeight, originX;
    bool barShown, longDocument;
    int barMaximum;
    float scrollScale;
    double zoomPercent;
};

class FitTest : public EngineTest, public testing::WithParamInterface<FitCase> {};

TEST_P(FitTest, LaysOutTheFirstPage) {
    const FitCase& c = GetParam();
    MakePages(c.pageWidth, c.pageHeight, c.pageCount);
    FakeWindow window(c.clientWidth, c.clientHeight);
    mvImage& e = Open(window);
    e.currentIndex = 5;
    e.FitToWindow();

    EXPECT_EQ(e.drawWidth, c.drawWidth);
    EXPECT_EQ(e.drawHeight, c.drawHeight);
    EXPECT_EQ(e.originX, c.originX);
    EXPECT_EQ(e.originY, 0);
    EXPECT_EQ(e.hOffset, 0);
    EXPECT_EQ(e.vOffset, 0);
    EXPECT_EQ(e.currentIndex, 0);
    EXPECT_EQ(e.longDocument, c.longDocument);
    EXPECT_FLOAT_EQ(e.scrollScale, c.scrollScale);
    EXPECT_DOUBLE_EQ(e.zoomPercent, c.zoomPercent);
    EXPECT_FALSE(e.horzBarShown);
    EXPECT_FALSE(window.shown[SB_HORZ]);
    EXPECT_EQ(e.vertBarShown, c.barShown);
    EXPECT_EQ(window.shown[SB_VERT], c.barShown);
    EXPECT_FALSE(e.inLayout);

    std::vector<std::string> expected = {"show V 0", "show H 0"};
    if (c.barShown) {
        std::string max = std::to_string(c.barMaximum);
        std::string page = std::to_string(c.clientHeight);
        expected.insert(expected.end(), {"info V 0 " + max + " " + page + " 0", "range V 0 " + max,
                                         "pos V 0", "show V 1"});
    }
    EXPECT_EQ(window.calls, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, FitTest,
    testing::Values(
        // Height first: a tall page in a wide window, ten pages high.
        FitCase{"Tall", 1000, 1500, 10, 800, 600, 400, 600, 200, true, false, 6000, 1.0f, 40.0},
        // Too wide by height: fitted by width instead, top-aligned.
        FitCase{"Wide", 2000, 1000, 1, 800, 600, 800, 400, 0, false, false, 0, 1.0f, 40.0},
        // One page that fits needs no bar.
        FitCase{"Single", 300, 600, 1, 800, 600, 300, 600, 250, false, false, 0, 1.0f, 100.0},
        // 50 x 600 = 30000 exactly is not long.
        FitCase{"AtLimit", 400, 600, 50, 800, 600, 400, 600, 200, true, false, 30000, 1.0f, 100.0},
        // 19 x 1579 = 30001 is long: the bar's range is scaled.
        FitCase{"OverLimit", 100, 1579, 19, 1000, 1579, 100, 1579, 450, true, true, 30000,
                static_cast<float>(30001.0 / (30000 - 1579)), 100.0},
        // 200 pages of 600: 120000 document pixels on 30000 bar units.
        FitCase{"TwoHundredPages", 400, 600, 200, 800, 600, 400, 600, 200, true, true, 30000,
                4.0816326f, 100.0}),
    [](const testing::TestParamInfo<FitCase>& info) { return info.param.name; });

TEST_F(EngineTest, SizeNotificationsDuringFitArriveInsideTheLayout) {
    MakePages(1000, 1500, 10);
    FakeWindow window(800, 600);
    mvImage& e = Open(window);
    std::vector<bool> inLayoutAtNotification;
    window.onSize = [&](int, int) { inLayoutAtNotification.push_back(e.inLayout); };
    e.FitToWindow();
    // Showing the vertical bar narrowed the client area during the layout;
    // the page was not laid out again for it.
    ASSERT_EQ(inLayoutAtNotification, std::vector<bool>{true});
    EXPECT_EQ(e.drawWidth, 400);
    EXPECT_EQ(e.originX, 200);
}

TEST_F(EngineTest, DrawsThePageOnWhite) {
    MakePages(1000, 1500, 10);
    FakeWindow window(800, 600);
    mvImage& e = Open(window);
    e.FitToWindow();
    RetainedSurface& surface = window.Surface();
    ASSERT_EQ(surface.Width(), 800 - FakeWindow::kBarThickness);
    // Page rectangle 200..600 x 0..600.
    EXPECT_TRUE(NearColour(surface.PixelAt(200, 0), kRed));
    EXPECT_TRUE(NearColour(surface.PixelAt(599, 599), kRed));
    EXPECT_TRUE(NearColour(surface.PixelAt(400, 300), kRed));
    EXPECT_EQ(surface.PixelAt(199, 300), kWhite);
    EXPECT_EQ(surface.PixelAt(600, 300), kWhite);
    EXPECT_EQ(surface.PixelAt(0, 0), kWhite);
    ASSERT_FALSE(window.flushes.empty());
}

TEST_F(EngineTest, DrawWithoutFillLeavesWhatThePageUncovered) {
    MakePages(1000, 1500, 10);
    FakeWindow window(800, 600);
    mvImage& e = Open(window);
    e.FitToWindow();
    e.vOffset = -100;
    e.Draw(false);
    // The strip the page moved away from keeps the old page pixels.
    EXPECT_TRUE(NearColour(window.Surface().PixelAt(400, 550), kRed));
    e.Draw(true);
    EXPECT_EQ(window.Surface().PixelAt(400, 550), kWhite);
}

TEST_F(EngineTest, LoadImageFileResetsWithoutKeepingAPicture) {
    MakePages(100, 150, 1);
    FakeWindow window(800, 600);
    mvImage e(&window);
    e.zoomPercent = 250.0;
    e.hOffset = -40;
    e.vOffset = -70;

    WriteFileBytes(folder / "book.cbz", "PK\x03\x04 not really a picture");
    EXPECT_TRUE(e.LoadImageFile(folder / "book.cbz"));
    EXPECT_EQ(e.frameCount, 0u);
    EXPECT_EQ(e.image, nullptr);
    EXPECT_TRUE(e.documentOpen);
    EXPECT_DOUBLE_EQ(e.zoomPercent, 100.0);
    EXPECT_EQ(e.hOffset, 0);
    EXPECT_EQ(e.vOffset, 0);
    EXPECT_FALSE(e.IsReady());

    e.LoadImageFile(pages[0]);
    EXPECT_EQ(e.frameCount, 1u);
    EXPECT_EQ(e.image, nullptr);
}

TEST_F(EngineTest, PageListMakesItReadyOrRaises) {
    MakePages(120, 180, 3);
    FakeWindow window(800, 600);
    mvImage& e = Open(window);
    EXPECT_TRUE(e.IsReady());
    EXPECT_EQ(e.pageCount, 3);
    EXPECT_EQ(e.firstPageWidth, 120);
    EXPECT_EQ(e.firstPageHeight, 180);

    PageList empty;
    EXPECT_THROW(e.SetPageList(&empty), InvalidArgumentError);
    EXPECT_EQ(e.image, nullptr);
    EXPECT_EQ(e.pageList, &empty);
    EXPECT_FALSE(e.IsReady());
}

TEST_F(EngineTest, UndecodablePageIsLaidOutAsAnEmptySquare) {
    WriteFileBytes(folder / "broken.jpg", std::string("\xFF\xD8\xFF\xE0 broken", 11));
    pages = {folder / "broken.jpg", folder / "broken.jpg"};
    FakeWindow window(800, 600);
    // Something on screen from before, where the square will be.
    constexpr uint32_t kGreen = 0xFF00FF00;
    DrawingSurface(window).FillOutside(Rect{}, kGreen);
    mvImage& e = Open(window);
    EXPECT_TRUE(e.IsReady());
    EXPECT_EQ(e.firstPageWidth, 0);
    EXPECT_EQ(e.firstPageHeight, 0);
    e.FitToWindow();
    EXPECT_EQ(e.drawWidth, 600);
    EXPECT_EQ(e.drawHeight, 600);
    EXPECT_EQ(e.originX, (800 - 600) / 2);
    EXPECT_DOUBLE_EQ(e.zoomPercent, 60000.0);
    // Nothing is drawn inside the square; the white fill leaves it out.
    EXPECT_EQ(window.Surface().PixelAt(400, 300), kGreen);
    EXPECT_EQ(window.Surface().PixelAt(50, 300), kWhite);
}

}  // namespace
