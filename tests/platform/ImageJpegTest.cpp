#include <gtest/gtest.h>

#include <QColor>

#include "PictureBytes.h"
#include "platform/Image.h"
#include "platform/ImagePicture.h"
#include "support/Fixtures.h"
#include "support/TempFolder.h"

namespace {

class ImageJpegTest : public testing::Test {
  protected:
    // Writes the bytes to a file in the test's folder and opens it.
    std::unique_ptr<Image> Open(const std::string& bytes, const std::string& name = "page.jpg") {
        WriteFileBytes(folder_ / name, bytes);
        return std::make_unique<Image>(folder_ / name);
    }

    TempFolder folder_;
};

void ExpectColourNear(QRgb actual, QRgb expected, int tolerance = 3) {
    EXPECT_NEAR(qRed(actual), qRed(expected), tolerance) << std::hex << actual;
    EXPECT_NEAR(qGreen(actual), qGreen(expected), tolerance) << std::hex << actual;
    EXPECT_NEAR(qBlue(actual), qBlue(expected), tolerance) << std::hex << actual;
}

TEST_F(ImageJpegTest, DecodesSizeColourAndOneFrame) {
    const auto image = Open(EncodeJpeg(SolidImage(37, 21, 0x2060C0)));

    ASSERT_TRUE(image->HasPicture());
    EXPECT_EQ(image->Width(), 37);
    EXPECT_EQ(image->Height(), 21);
    EXPECT_EQ(image->FrameCount(), 1u);
    const QImage& pixels = image->picture().pixels;
    EXPECT_EQ(pixels.format(), QImage::Format_RGB32);
    ExpectColourNear(pixels.pixel(0, 0), qRgb(0x20, 0x60, 0xC0));
    ExpectColourNear(pixels.pixel(36, 20), qRgb(0x20, 0x60, 0xC0));
}

TEST_F(ImageJpegTest, KeepsDistinctColoursInPlace) {
    // Left half red, right half blue: catches swapped channels and mirrored rows.
    QImage page = SolidImage(64, 32, 0xFF0000);
    for (int y = 0; y < 16; ++y)
        for (int x = 32; x < 64; ++x) page.setPixel(x, y, qRgb(0, 0, 255));
    const auto image = Open(EncodeJpeg(page));

    ASSERT_TRUE(image->HasPicture());
    ExpectColourNear(image->picture().pixels.pixel(4, 4), qRgb(255, 0, 0), 8);
    ExpectColourNear(image->picture().pixels.pixel(60, 4), qRgb(0, 0, 255), 8);
    ExpectColourNear(image->picture().pixels.pixel(60, 28), qRgb(255, 0, 0), 8);
}

TEST_F(ImageJpegTest, EveryPixelHasTheOpaqueTopByteRgb32Requires) {
    const auto image = Open(EncodeJpeg(SolidImage(9, 5, 0x102030)));

    ASSERT_TRUE(image->HasPicture());
    const QImage& pixels = image->picture().pixels;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) ASSERT_EQ(row[x] >> 24, 0xFFu) << x << "," << y;
    }
}

TEST_F(ImageJpegTest, DecodesGreyscaleAsGrey) {
    const auto image = Open(EncodeGreyJpeg(16, 8, 0x80));

    ASSERT_TRUE(image->HasPicture());
    ExpectColourNear(image->picture().pixels.pixel(3, 3), qRgb(0x80, 0x80, 0x80), 1);
}

TEST_F(ImageJpegTest, DecodesCmykStoredInvertedAsPhotoshopDoes) {
    // The encoder marks CMYK files with the Adobe segment; such files hold
    // inverted ink, so (255, 0, 0, 255) is full magenta and yellow: red.
    const auto image = Open(EncodeCmykJpeg(16, 16, 255, 0, 0, 255));

    ASSERT_TRUE(image->HasPicture());
    EXPECT_EQ(image->Width(), 16);
    ExpectColourNear(image->picture().pixels.pixel(5, 5), qRgb(255, 0, 0), 6);
}

TEST_F(ImageJpegTest, IsRecognisedByContentWhateverItsName) {
    const auto image = Open(EncodeJpeg(SolidImage(12, 10, 0x00FF00)), "page.png");

    ASSERT_TRUE(image->HasPicture());
    EXPECT_EQ(image->Width(), 12);
}

TEST_F(ImageJpegTest, TruncatedDataKeepsThePicture) {
    // Noise, so that the scan is long enough to cut in the middle.
    QImage page(120, 90, QImage::Format_RGB32);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            page.setPixel(x, y, qRgb((x * 37 + y * 11) & 0xFF, (x * y) & 0xFF, (x ^ y) & 0xFF));
    const std::string jpeg = EncodeJpeg(page);
    const size_t scan = jpeg.find("\xFF\xDA");
    ASSERT_NE(scan, std::string::npos);

    const auto image = Open(jpeg.substr(0, scan + (jpeg.size() - scan) / 2));

    ASSERT_TRUE(image->HasPicture());
    EXPECT_EQ(image->Width(), 120);
    EXPECT_EQ(image->Height(), 90);
}

TEST_F(ImageJpegTest, EachDecodeCountsOnce) {
    const std::string jpeg = EncodeJpeg(SolidImage(8, 8, 0x808080));
    const int64_t before = Image::DecodeCount();

    Open(jpeg);
    Open(jpeg);

    EXPECT_EQ(Image::DecodeCount(), before + 2);
}

TEST_F(ImageJpegTest, HeaderOverThePixelLimitGivesNoPictureAndDecodesNothing) {
    const std::string small = EncodeJpeg(SolidImage(16, 16, 0x808080));
    const int64_t before = Image::DecodeCount();

    // 65000 x 65000 would take 16 GB; 14200 x 14200 is just over the limit
    // and could be allocated, so only the limit keeps it out.
    const auto huge = Open(WithClaimedSize(small, 65000, 65000));
    const auto justOver = Open(WithClaimedSize(small, 14200, 14200));

    EXPECT_FALSE(huge->HasPicture());
    EXPECT_FALSE(justOver->HasPicture());
    EXPECT_EQ(justOver->Width(), 0);
    EXPECT_EQ(justOver->FrameCount(), 0u);
    EXPECT_EQ(Image::DecodeCount(), before);
}

TEST_F(ImageJpegTest, DecodesALargePageWithinTheLimit) {
    WriteJpeg(folder_ / "large.jpg", 8000, 12000, 0x336699);

    const Image image(folder_ / "large.jpg");

    ASSERT_TRUE(image.HasPicture());
    EXPECT_EQ(image.Width(), 8000);
    EXPECT_EQ(image.Height(), 12000);
    ExpectColourNear(image.picture().pixels.pixel(7999, 11999), qRgb(0x33, 0x66, 0x99));
}

struct DensityCase {
    const char* name;
    int units;  // -1: no JFIF header at all
    int x;
    int y;
    float expectedHorizontal;
    float expectedVertical;
};

class JpegResolutionTest : public ImageJpegTest, public testing::WithParamInterface<DensityCase> {};

TEST_P(JpegResolutionTest, ComesFromTheJfifDensity) {
    const DensityCase& c = GetParam();
    const std::string plain = EncodeJpeg(SolidImage(10, 10, 0xFFFFFF));
    const std::string jpeg =
        c.units < 0 ? WithoutJfif(plain) : WithJfifDensity(plain, c.units, c.x, c.y);

    const auto image = Open(jpeg);

    ASSERT_TRUE(image->HasPicture());
    EXPECT_FLOAT_EQ(image->HorizontalResolution(), c.expectedHorizontal);
    EXPECT_FLOAT_EQ(image->VerticalResolution(), c.expectedVertical);
}

INSTANTIATE_TEST_SUITE_P(
    Densities, JpegResolutionTest,
    testing::Values(DensityCase{"NoJfifHeader", -1, 0, 0, 96.0f, 96.0f},
                    DensityCase{"AspectRatioOnly", 0, 300, 150, 96.0f, 96.0f},
                    DensityCase{"DotsPerInch", 1, 300, 150, 300.0f, 150.0f},
                    DensityCase{"DotsPerCentimetre", 2, 118, 59, 118 * 2.54f, 59 * 2.54f},
                    DensityCase{"ZeroDensity", 1, 0, 0, 96.0f, 96.0f},
                    DensityCase{"OneAxisZero", 1, 0, 200, 96.0f, 200.0f}),
    [](const testing::TestParamInfo<DensityCase>& info) { return info.param.name; });

}  // namespace
