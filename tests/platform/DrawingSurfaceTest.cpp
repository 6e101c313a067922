#include <gtest/gtest.h>

#include <set>

#include "PictureBytes.h"
#include "RecordingScrollWindow.h"
#include "platform/DrawingSurface.h"
#include "platform/Image.h"
#include "platform/SurfacePixels.h"
#include "support/Fixtures.h"
#include "support/TempFolder.h"

namespace {

constexpr uint32_t kMarker = 0xFF123456;
constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kBlue = 0xFF0000FF;
constexpr uint32_t kGreen = 0xFF00FF00;

// A page made from pixels, through a lossless file, as the engine loads it.
class PageFiles {
  public:
    std::unique_ptr<Image> Page(const QImage& pixels) {
        const std::string path = folder_ / ("page" + std::to_string(count_++) + ".png");
        WriteFileBytes(path, EncodePng(pixels));
        auto image = std::make_unique<Image>(path);
        EXPECT_TRUE(image->HasPicture());
        return image;
    }

  private:
    TempFolder folder_;
    int count_ = 0;
};

// The window's surface filled with a marker colour, so that every pixel
// drawing touches shows.
void FillWithMarker(RecordingScrollWindow& window) {
    window.Surface().pixels().image.fill(kMarker);
}

bool Contains(const Rect& rect, int x, int y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

// Every surface pixel: `inside` within `area`, the marker elsewhere.
void ExpectOnlyAreaPainted(RecordingScrollWindow& window, const Rect& area, uint32_t inside) {
    const RetainedSurface& surface = window.Surface();
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x)
            ASSERT_EQ(surface.PixelAt(x, y), Contains(area, x, y) ? inside : kMarker)
                << "pixel " << x << "," << y;
}

int Red(const RetainedSurface& surface, int x, int y) {
    return (surface.PixelAt(x, y) >> 16) & 0xFF;
}

// ---- FillOutside ----

struct FillCase {
    const char* name;
    Rect keep;
};

class FillOutsideTest : public testing::TestWithParam<FillCase> {};

TEST_P(FillOutsideTest, PaintsEverythingButTheKeptRectangle) {
    RecordingScrollWindow window(40, 30);
    FillWithMarker(window);
    const Rect whole{0, 0, 40, 30};
    const Rect kept = GetParam().keep.Intersected(whole);

    DrawingSurface surface(window);
    surface.FillOutside(GetParam().keep, kGreen);
    surface.Flush();

    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(window.Surface().PixelAt(x, y), Contains(kept, x, y) ? kMarker : kGreen)
                << "pixel " << x << "," << y;
    if (kept == whole)
        EXPECT_TRUE(window.flushed.empty());
    else
        EXPECT_EQ(window.flushed, std::vector<Rect>{whole});
}

INSTANTIATE_TEST_SUITE_P(
    KeptRectangles, FillOutsideTest,
    testing::Values(FillCase{"Inside", {10, 10, 30, 20}},
                    FillCase{"TouchingTopLeft", {0, 0, 15, 12}},
                    FillCase{"TouchingBottomRight", {25, 18, 40, 30}},
                    FillCase{"PartlyOutside", {-5, -5, 10, 10}},
                    FillCase{"FullWidthBand", {-10, 8, 50, 16}},
                    FillCase{"WhollyOutside", {100, 100, 120, 120}}, FillCase{"Empty", {}},
                    FillCase{"WholeSurface", {0, 0, 40, 30}}, FillCase{"Larger", {-1, -1, 41, 31}}),
    [](const testing::TestParamInfo<FillCase>& info) { return info.param.name; });

// ---- DrawImage geometry ----

struct DrawCase {
    const char* name;
    int pageWidth, pageHeight;
    Rect dest;
};

class DrawImageTest : public testing::TestWithParam<DrawCase> {
  protected:
    PageFiles files_;
};

TEST_P(DrawImageTest, SolidPageFillsExactlyTheVisiblePartOfItsRectangle) {
    const DrawCase& c = GetParam();
    const auto page = files_.Page(SolidImage(c.pageWidth, c.pageHeight, 0xFF0000));
    RecordingScrollWindow window(40, 30);
    FillWithMarker(window);
    const Rect visible = c.dest.Intersected(Rect{0, 0, 40, 30});

    DrawingSurface surface(window);
    surface.DrawImage(page.get(), c.dest);
    surface.Flush();

    ExpectOnlyAreaPainted(window, visible, kRed);
    if (visible.IsEmpty())
        EXPECT_TRUE(window.flushed.empty());
    else
        EXPECT_EQ(window.flushed, std::vector<Rect>{visible});
}

INSTANTIATE_TEST_SUITE_P(
    Rectangles, DrawImageTest,
    testing::Values(DrawCase{"Shrunk", 20, 10, {5, 5, 15, 10}},
                    DrawCase{"SameSize", 20, 10, {3, 4, 23, 14}},
                    DrawCase{"EnlargedWithinSurface", 20, 10, {1, 2, 39, 28}},
                    DrawCase{"ShrunkOneWayEnlargedTheOther", 20, 10, {0, 0, 10, 25}},
                    DrawCase{"OffTopLeft", 20, 10, {-7, -3, 13, 7}},
                    DrawCase{"OffBottomRight", 20, 10, {30, 25, 50, 35}},
                    DrawCase{"EnlargedBeyondSurface", 20, 10, {-20, -20, 60, 50}},
                    DrawCase{"ShrunkButLargerThanSurface", 200, 100, {-10, -10, 50, 40}},
                    DrawCase{"WhollyOutside", 20, 10, {50, 50, 70, 60}}),
    [](const testing::TestParamInfo<DrawCase>& info) { return info.param.name; });

class DrawingSurfaceTest : public testing::Test {
  protected:
    PageFiles files_;
};

TEST_F(DrawingSurfaceTest, PageZoomedFarBeyondAnyMemoryShowsTheRightPart) {
    // Left half red, right half blue, zoomed 20000 times: the whole picture
    // would need terabytes, so only drawing the visible part can work.
    QImage halves = SolidImage(100, 100, 0xFF0000);
    for (int y = 0; y < 100; ++y)
        for (int x = 50; x < 100; ++x) halves.setPixel(x, y, qRgb(0, 0, 255));
    const auto page = files_.Page(halves);
    constexpr int kZoom = 20000;
    RecordingScrollWindow window(40, 30);

    for (const auto& [sourceX, colour] : {std::pair{25, kRed}, std::pair{75, kBlue}}) {
        FillWithMarker(window);
        const Rect dest{-sourceX * kZoom, -50 * kZoom, (100 - sourceX) * kZoom, 50 * kZoom};
        DrawingSurface surface(window);
        surface.DrawImage(page.get(), dest);
        surface.Flush();
        ExpectOnlyAreaPainted(window, Rect{0, 0, 40, 30}, colour);
    }
}

// An enlarged page is filtered, not blown up into blocks: two pixels, black
// and white, become a ramp between them, whether the result fits the window
// or not.
TEST_F(DrawingSurfaceTest, EnlargedPageIsARampNotBlocks) {
    QImage twoPixels(2, 1, QImage::Format_RGB32);
    twoPixels.setPixel(0, 0, qRgb(0, 0, 0));
    twoPixels.setPixel(1, 0, qRgb(255, 255, 255));
    const auto page = files_.Page(twoPixels);

    for (const Rect& dest : {Rect{0, 0, 40, 30}, Rect{0, 0, 80, 30}}) {
        RecordingScrollWindow window(40, 30);
        DrawingSurface surface(window);
        surface.DrawImage(page.get(), dest);
        const RetainedSurface& pixels = window.Surface();
        std::set<int> levels;
        for (int x = 1; x < 40; ++x) {
            ASSERT_GE(Red(pixels, x, 15), Red(pixels, x - 1, 15)) << "x " << x;
            levels.insert(Red(pixels, x, 15));
        }
        EXPECT_EQ(Red(pixels, 0, 15), 0);
        EXPECT_GE(levels.size(), 10u) << "dest width " << dest.Width();
    }
}

// Thin lines shrunk by four: area averaging gives the same grey everywhere
// (one line in four: 64); sampling would give black, white or stripes.
struct LinesCase {
    const char* name;
    bool vertical;
    int surfaceWidth;  // 200: the shrunk page fits; 40: it is wider than the window
};

class ShrinkQualityTest : public testing::TestWithParam<LinesCase> {
  protected:
    PageFiles files_;
};

TEST_P(ShrinkQualityTest, ThinLinesAverageToAnEvenGrey) {
    const LinesCase& c = GetParam();
    QImage lines(400, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 400; ++x)
            lines.setPixel(x, y, ((c.vertical ? x : y) % 4 == 0) ? 0xFFFFFFFF : 0xFF000000);
    const auto page = files_.Page(lines);
    RecordingScrollWindow window(c.surfaceWidth, 30);

    DrawingSurface surface(window);
    surface.DrawImage(page.get(), Rect{0, 0, 100, 10});

    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < std::min(100, c.surfaceWidth); ++x)
            ASSERT_NEAR(Red(window.Surface(), x, y), 63.75, 1) << "pixel " << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Lines, ShrinkQualityTest,
                         testing::Values(LinesCase{"VerticalFitting", true, 200},
                                         LinesCase{"HorizontalFitting", false, 200},
                                         LinesCase{"VerticalWiderThanWindow", true, 40},
                                         LinesCase{"HorizontalWiderThanWindow", false, 40}),
                         [](const testing::TestParamInfo<LinesCase>& info) {
                             return info.param.name;
                         });

TEST_F(DrawingSurfaceTest, ScrollingAtOneSizeReusesTheScaledCopyAndNeverDecodes) {
    QImage noise(200, 100, QImage::Format_RGB32);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) noise.setPixel(x, y, qRgb(x, y * 2, (x * y) & 0xFF));
    const auto page = files_.Page(noise);
    RecordingScrollWindow window(100, 80);
    const int64_t decodes = Image::DecodeCount();
    const int64_t copies = Image::ScaledCopyCount();

    DrawingSurface(window).DrawImage(page.get(), Rect{0, 0, 50, 25});
    const QImage first = window.Surface().pixels().image.copy(0, 0, 50, 25);
    EXPECT_EQ(Image::ScaledCopyCount(), copies + 1);

    DrawingSurface(window).DrawImage(page.get(), Rect{10, 30, 60, 55});
    EXPECT_EQ(Image::ScaledCopyCount(), copies + 1);
    EXPECT_EQ(window.Surface().pixels().image.copy(10, 30, 50, 25), first);

    DrawingSurface(window).DrawImage(page.get(), Rect{0, 0, 60, 30});
    EXPECT_EQ(Image::ScaledCopyCount(), copies + 2);
    EXPECT_EQ(Image::DecodeCount(), decodes);
}

TEST_F(DrawingSurfaceTest, NothingToDrawPaintsAndFlushesNothing) {
    TempFolder folder;
    Image noPicture(folder / "missing.jpg");
    const auto page = files_.Page(SolidImage(10, 10, 0xFF0000));
    RecordingScrollWindow window(40, 30);
    FillWithMarker(window);

    DrawingSurface surface(window);
    surface.DrawImage(nullptr, Rect{0, 0, 10, 10});
    surface.DrawImage(&noPicture, Rect{0, 0, 10, 10});
    surface.DrawImage(page.get(), Rect{5, 5, 5, 20});  // empty rectangle
    surface.Flush();

    ExpectOnlyAreaPainted(window, Rect{}, kMarker);
    EXPECT_TRUE(window.flushed.empty());
}

TEST_F(DrawingSurfaceTest, FlushReportsTheBoundsOfEverythingPaintedOnce) {
    const auto page = files_.Page(SolidImage(10, 10, 0xFF0000));
    RecordingScrollWindow window(40, 30);

    DrawingSurface surface(window);
    surface.DrawImage(page.get(), Rect{2, 3, 8, 9});
    surface.DrawImage(page.get(), Rect{20, 10, 30, 20});
    surface.DrawImage(page.get(), Rect{35, -5, 45, 5});
    surface.Flush();
    surface.Flush();

    EXPECT_EQ(window.flushed, (std::vector<Rect>{Rect{2, 0, 40, 20}}));
}

}  // namespace
