#include <gtest/gtest.h>

#include "platform/RetainedSurface.h"
#include "platform/SurfacePixels.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kMarker = 0xFF123456;

TEST(RetainedSurfaceTest, StartsEmpty) {
    RetainedSurface surface;

    EXPECT_EQ(surface.Width(), 0);
    EXPECT_EQ(surface.Height(), 0);
    EXPECT_EQ(surface.PixelAt(0, 0), 0u);
}

TEST(RetainedSurfaceTest, NewSurfaceIsWhiteAndOpaque) {
    RetainedSurface surface;
    surface.Resize(5, 4);

    EXPECT_EQ(surface.Width(), 5);
    EXPECT_EQ(surface.Height(), 4);
    EXPECT_EQ(surface.pixels().image.format(), QImage::Format_RGB32);
    EXPECT_EQ(surface.PixelAt(0, 0), kWhite);
    EXPECT_EQ(surface.PixelAt(4, 3), kWhite);
}

TEST(RetainedSurfaceTest, PixelsOutsideAreZero) {
    RetainedSurface surface;
    surface.Resize(5, 4);

    EXPECT_EQ(surface.PixelAt(-1, 0), 0u);
    EXPECT_EQ(surface.PixelAt(0, -1), 0u);
    EXPECT_EQ(surface.PixelAt(5, 0), 0u);
    EXPECT_EQ(surface.PixelAt(0, 4), 0u);
}

TEST(RetainedSurfaceTest, GrowingKeepsThePaintedPixelsAndWhitensTheNewPart) {
    RetainedSurface surface;
    surface.Resize(4, 3);
    surface.pixels().image.fill(kMarker);

    surface.Resize(6, 5);

    EXPECT_EQ(surface.PixelAt(0, 0), kMarker);
    EXPECT_EQ(surface.PixelAt(3, 2), kMarker);
    EXPECT_EQ(surface.PixelAt(4, 2), kWhite);
    EXPECT_EQ(surface.PixelAt(3, 3), kWhite);
    EXPECT_EQ(surface.PixelAt(5, 4), kWhite);
}

TEST(RetainedSurfaceTest, NarrowingButHeighteningKeepsTheSharedPart) {
    RetainedSurface surface;
    surface.Resize(6, 2);
    for (int x = 0; x < 6; ++x) surface.pixels().image.setPixel(x, 1, 0xFF000000u | x);

    surface.Resize(3, 4);

    EXPECT_EQ(surface.Width(), 3);
    EXPECT_EQ(surface.PixelAt(0, 1), 0xFF000000u);
    EXPECT_EQ(surface.PixelAt(2, 1), 0xFF000002u);
    EXPECT_EQ(surface.PixelAt(2, 0), kWhite);
    EXPECT_EQ(surface.PixelAt(2, 3), kWhite);
    EXPECT_EQ(surface.PixelAt(3, 1), 0u);
}

TEST(RetainedSurfaceTest, ResizingToNothingEmptiesIt) {
    RetainedSurface surface;
    surface.Resize(4, 3);

    surface.Resize(0, 3);

    EXPECT_EQ(surface.Width(), 0);
    EXPECT_EQ(surface.Height(), 0);
    EXPECT_EQ(surface.PixelAt(0, 0), 0u);
}

}  // namespace
