#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "PictureBytes.h"
#include "platform/AreaAverageScaler.h"

namespace {

// The exact area average of the source under target pixel (x, y), computed
// in floating point, one channel (0 blue, 1 green, 2 red).
double ReferenceAverage(const QImage& source, int targetWidth, int targetHeight, int x, int y,
                        int channel) {
    const double sx = double(source.width()) / targetWidth;
    const double sy = double(source.height()) / targetHeight;
    const double left = x * sx, right = (x + 1) * sx, top = y * sy, bottom = (y + 1) * sy;
    double sum = 0;
    const int rowEnd = std::min(source.height(), int(std::ceil(bottom)));
    const int columnEnd = std::min(source.width(), int(std::ceil(right)));
    for (int j = int(top); j < rowEnd; ++j) {
        const double h = std::min(bottom, j + 1.0) - std::max(top, double(j));
        for (int i = int(left); i < columnEnd; ++i) {
            const double w = std::min(right, i + 1.0) - std::max(left, double(i));
            sum += w * h * ((source.pixel(i, j) >> (8 * channel)) & 0xFF);
        }
    }
    return sum / (sx * sy);
}

QImage Noise(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, 0xFF000000u | (random() & 0xFFFFFF));
    return image;
}

// Each instruction set the processor offers; all must agree.
std::vector<const AreaAverageKernels*> AvailableKernels() {
    std::vector<const AreaAverageKernels*> kernels{&AreaAverageKernels::Portable()};
    if (AreaAverageKernels::Avx2() != nullptr) kernels.push_back(AreaAverageKernels::Avx2());
    return kernels;
}

struct ScaleCase {
    int sourceWidth, sourceHeight, targetWidth, targetHeight;
};

class AreaAverageScalerTest : public testing::TestWithParam<ScaleCase> {};

TEST_P(AreaAverageScalerTest, MatchesTheExactAreaAverageWithinOneLevel) {
    const ScaleCase c = GetParam();
    const QImage source = Noise(c.sourceWidth, c.sourceHeight, 11);

    for (const AreaAverageKernels* kernels : AvailableKernels()) {
        const QImage scaled =
            AreaAverageScaler(source, c.targetWidth, c.targetHeight, *kernels).Scaled();
        ASSERT_EQ(scaled.size(), QSize(c.targetWidth, c.targetHeight));
        for (int y = 0; y < c.targetHeight; ++y)
            for (int x = 0; x < c.targetWidth; ++x) {
                const QRgb pixel = scaled.pixel(x, y);
                ASSERT_EQ(qAlpha(pixel), 255);
                for (int channel = 0; channel < 3; ++channel)
                    ASSERT_NEAR(
                        (pixel >> (8 * channel)) & 0xFF,
                        ReferenceAverage(source, c.targetWidth, c.targetHeight, x, y, channel), 1.0)
                        << "pixel " << x << "," << y << " channel " << channel;
            }
    }
}

TEST_P(AreaAverageScalerTest, EveryInstructionSetGivesTheSameBits) {
    const ScaleCase c = GetParam();
    const QImage source = Noise(c.sourceWidth, c.sourceHeight, 5);
    const QImage portable =
        AreaAverageScaler(source, c.targetWidth, c.targetHeight, AreaAverageKernels::Portable())
            .Scaled();

    for (const AreaAverageKernels* kernels : AvailableKernels())
        EXPECT_EQ(AreaAverageScaler(source, c.targetWidth, c.targetHeight, *kernels).Scaled(),
                  portable);
}

TEST_P(AreaAverageScalerTest, SolidColourStaysExact) {
    const ScaleCase c = GetParam();
    const QImage scaled = AreaAverageScaler(SolidImage(c.sourceWidth, c.sourceHeight, 0x7F01FE),
                                            c.targetWidth, c.targetHeight)
                              .Scaled();

    EXPECT_EQ(scaled, SolidImage(c.targetWidth, c.targetHeight, 0x7F01FE));
}

TEST_P(AreaAverageScalerTest, AnyPartEqualsThatPartOfTheWhole) {
    const ScaleCase c = GetParam();
    const QImage source = Noise(c.sourceWidth, c.sourceHeight, 3);
    const AreaAverageScaler scaler(source, c.targetWidth, c.targetHeight);
    const QImage whole = scaler.Scaled();
    const Rect part{c.targetWidth / 3, c.targetHeight / 4, c.targetWidth - c.targetWidth / 5,
                    c.targetHeight};

    QImage piece(part.Width(), part.Height(), QImage::Format_RGB32);
    scaler.ScalePart(part, piece.bits(), piece.bytesPerLine());

    EXPECT_EQ(piece, whole.copy(part.left, part.top, part.Width(), part.Height()));
}

INSTANTIATE_TEST_SUITE_P(Sizes, AreaAverageScalerTest,
                         testing::Values(ScaleCase{8, 8, 8, 8}, ScaleCase{40, 30, 20, 15},
                                         ScaleCase{45, 61, 16, 22}, ScaleCase{101, 67, 33, 9},
                                         ScaleCase{300, 7, 13, 7}, ScaleCase{9, 250, 9, 11},
                                         ScaleCase{257, 130, 1, 1}, ScaleCase{64, 64, 63, 61}));

TEST(AreaAverageScalerPatternTest, CheckerboardHalvedIsGrey) {
    QImage board(40, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) board.setPixel(x, y, (x + y) % 2 ? 0xFFFFFFFF : 0xFF000000);

    const QImage scaled = AreaAverageScaler(board, 20, 10).Scaled();

    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) {
            ASSERT_NEAR(qRed(scaled.pixel(x, y)), 127.5, 0.5);
            ASSERT_EQ(qRed(scaled.pixel(x, y)), qBlue(scaled.pixel(x, y)));
        }
}

TEST(AreaAverageScalerPatternTest, EdgesOfTheTargetComeFromEdgesOfTheSource) {
    // A one-pixel black frame on white, shrunk by 3 across and 4 down: only
    // the outermost target pixels darken, and the inside stays pure white.
    QImage framed = SolidImage(300, 200, 0xFFFFFF);
    for (int x = 0; x < 300; ++x) {
        framed.setPixel(x, 0, qRgb(0, 0, 0));
        framed.setPixel(x, 199, qRgb(0, 0, 0));
    }
    for (int y = 0; y < 200; ++y) {
        framed.setPixel(0, y, qRgb(0, 0, 0));
        framed.setPixel(299, y, qRgb(0, 0, 0));
    }

    const QImage scaled = AreaAverageScaler(framed, 100, 50).Scaled();

    EXPECT_NEAR(qRed(scaled.pixel(50, 0)), 255 * 3 / 4.0, 1);  // a quarter of the rows dark
    EXPECT_NEAR(qRed(scaled.pixel(50, 49)), 255 * 3 / 4.0, 1);
    EXPECT_NEAR(qRed(scaled.pixel(0, 25)), 255 * 2 / 3.0, 1);  // a third of the columns dark
    EXPECT_NEAR(qRed(scaled.pixel(99, 25)), 255 * 2 / 3.0, 1);
    EXPECT_NEAR(qRed(scaled.pixel(0, 0)), 255 * 2 / 3.0 * 3 / 4.0, 1);
    for (int y = 1; y < 49; ++y)
        for (int x = 1; x < 99; ++x) ASSERT_EQ(scaled.pixel(x, y), 0xFFFFFFFFu) << x << "," << y;
}

}  // namespace
