#include <gtest/gtest.h>

#include <QBuffer>
#include <QColor>

#include "PictureBytes.h"
#include "platform/Image.h"
#include "platform/ImagePicture.h"
#include "support/Fixtures.h"
#include "support/TempFolder.h"

namespace {

class ImageOtherFormatsTest : public testing::Test {
  protected:
    std::unique_ptr<Image> Open(const std::string& bytes, const std::string& name) {
        WriteFileBytes(folder_ / name, bytes);
        return std::make_unique<Image>(folder_ / name);
    }

    TempFolder folder_;
};

// Two frames of one pixel each: black, then white, with a global palette.
std::string TwoFrameGif() {
    const std::string header("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);
    const std::string palette("\x00\x00\x00\xFF\xFF\xFF", 6);
    const std::string control("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8);
    const std::string descriptor("\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);
    // LZW, minimum code size 2: clear, the pixel's index, end.
    const std::string blackPixel("\x02\x02\x44\x01\x00", 5);
    const std::string whitePixel("\x02\x02\x4C\x01\x00", 5);
    return header + palette + control + descriptor + blackPixel + control + descriptor +
           whitePixel + "\x3B";
}

TEST_F(ImageOtherFormatsTest, PngNamedJpgDecodesByContent) {
    QImage page = SolidImage(30, 20, 0x40A020);
    page.setPixel(29, 19, qRgb(255, 0, 0));

    const auto image = Open(EncodePng(page), "page.jpg");

    ASSERT_TRUE(image->HasPicture());
    EXPECT_EQ(image->Width(), 30);
    EXPECT_EQ(image->Height(), 20);
    EXPECT_EQ(image->FrameCount(), 1u);
    const QImage& pixels = image->picture().pixels;
    EXPECT_EQ(pixels.format(), QImage::Format_RGB32);
    EXPECT_EQ(pixels.pixel(0, 0), qRgb(0x40, 0xA0, 0x20));
    EXPECT_EQ(pixels.pixel(29, 19), qRgb(255, 0, 0));
}

TEST_F(ImageOtherFormatsTest, TransparencyIsComposedOntoWhite) {
    QImage page(4, 1, QImage::Format_ARGB32);
    page.setPixel(0, 0, qRgba(255, 0, 0, 0));    // fully transparent
    page.setPixel(1, 0, qRgba(0, 0, 0, 255));    // opaque black
    page.setPixel(2, 0, qRgba(0, 0, 255, 128));  // half blue
    page.setPixel(3, 0, qRgba(0, 255, 0, 255));  // opaque green

    const auto image = Open(EncodePng(page), "page.png");

    ASSERT_TRUE(image->HasPicture());
    const QImage& pixels = image->picture().pixels;
    EXPECT_EQ(pixels.format(), QImage::Format_RGB32);
    EXPECT_EQ(pixels.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(pixels.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_NEAR(qRed(pixels.pixel(2, 0)), 127, 2);
    EXPECT_EQ(qBlue(pixels.pixel(2, 0)), 255);
    EXPECT_EQ(pixels.pixel(3, 0), qRgb(0, 255, 0));
}

TEST_F(ImageOtherFormatsTest, PngResolutionComesFromItsDensity) {
    QImage page = SolidImage(10, 10, 0xFFFFFF);
    page.setDotsPerMeterX(11811);  // 300 dpi
    page.setDotsPerMeterY(5906);   // 150 dpi

    const auto image = Open(EncodePng(page), "page.png");

    ASSERT_TRUE(image->HasPicture());
    EXPECT_NEAR(image->HorizontalResolution(), 300.0f, 0.01f);
    EXPECT_NEAR(image->VerticalResolution(), 150.0f, 0.02f);
}

TEST_F(ImageOtherFormatsTest, PngWithoutDensityIs96Dpi) {
    QImage page = SolidImage(10, 10, 0xFFFFFF);
    page.setDotsPerMeterX(11811);
    page.setDotsPerMeterY(11811);

    const auto image = Open(WithoutPngChunk(EncodePng(page), "pHYs"), "page.png");

    ASSERT_TRUE(image->HasPicture());
    EXPECT_FLOAT_EQ(image->HorizontalResolution(), 96.0f);
    EXPECT_FLOAT_EQ(image->VerticalResolution(), 96.0f);
}

TEST_F(ImageOtherFormatsTest, BmpDecodes) {
    QByteArray bmp;
    {
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(SolidImage(5, 7, 0x123456).save(&buffer, "BMP"));
    }

    const auto image = Open(bmp.toStdString(), "page.bmp");

    ASSERT_TRUE(image->HasPicture());
    EXPECT_EQ(image->Height(), 7);
    EXPECT_EQ(image->picture().pixels.pixel(4, 6), qRgb(0x12, 0x34, 0x56));
}

TEST_F(ImageOtherFormatsTest, AnimatedGifCountsItsFramesAndShowsTheFirst) {
    const auto image = Open(TwoFrameGif(), "animated.gif");

    ASSERT_TRUE(image->HasPicture());
    EXPECT_EQ(image->FrameCount(), 2u);
    EXPECT_EQ(image->Width(), 1);
    EXPECT_EQ(image->picture().pixels.pixel(0, 0), qRgb(0, 0, 0));
}

TEST_F(ImageOtherFormatsTest, PngAboveTheToolkitsDefaultAllocationLimitDecodes) {
    // 6000 x 6000 RGBA is 144 MB, over the reader's default 128 MB, and far
    // within our pixel limit.
    QImage page(6000, 6000, QImage::Format_ARGB32);
    page.fill(qRgba(10, 20, 30, 255));
    const int64_t before = Image::DecodeCount();

    const auto image = Open(EncodePng(page), "big.png");

    ASSERT_TRUE(image->HasPicture());
    EXPECT_EQ(image->Width(), 6000);
    EXPECT_EQ(image->picture().pixels.pixel(5999, 5999), qRgb(10, 20, 30));
    EXPECT_EQ(Image::DecodeCount(), before + 1);
}

}  // namespace
