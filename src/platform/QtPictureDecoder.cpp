#include "platform/QtPictureDecoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QPainter>
#include <cstdint>
#include <mutex>

namespace {

constexpr float kDefaultDpi = 96.0f;
constexpr double kInchesPerMetre = 0.0254;

// The reader refuses images above its own allocation limit (128 MB by default,
// a 6000x6000 RGBA page is more). Our limit is Image::kMaxPixels, checked from
// the header; the reader's limit is raised to what that many pixels can take
// in its widest format (64-bit RGBA), so it stays only as a safety net.
void RaiseReaderAllocationLimit() {
    static std::once_flag once;
    std::call_once(once, [] {
        constexpr int64_t kWidestPixelBytes = 8;
        constexpr int64_t kMegabyte = 1024 * 1024;
        QImageReader::setAllocationLimit(
            static_cast<int>(Image::kMaxPixels * kWidestPixelBytes / kMegabyte + 1));
    });
}

QByteArray WrapWithoutCopy(std::string_view bytes) {
    return QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// A QImage's density is the toolkit's default (from the screen) unless the
// file set one, so a density equal to that default counts as none given.
float ToDpi(int dotsPerMetre, int defaultDotsPerMetre) {
    if (dotsPerMetre <= 0 || dotsPerMetre == defaultDotsPerMetre) return kDefaultDpi;
    return static_cast<float>(dotsPerMetre * kInchesPerMetre);
}

// Pages are shown on white, so transparent parts become white.
QImage ToOpaqueRgb32(QImage image) {
    if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB32);
    QImage opaque(image.size(), QImage::Format_RGB32);
    if (opaque.isNull()) return opaque;
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, image);
    return opaque;
}

}  // namespace

bool QtPictureDecoder::Recognises(std::string_view start) {
    QByteArray data = WrapWithoutCopy(start);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return !QImageReader::imageFormat(&buffer).isEmpty();
}

bool QtPictureDecoder::Decode(std::string_view bytes, Image::Picture& picture) {
    RaiseReaderAllocationLimit();
    QByteArray data = WrapWithoutCopy(bytes);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);

    const QSize size = reader.size();
    if (size.isValid() && int64_t{size.width()} * size.height() > Image::kMaxPixels) return false;
    const int frames = reader.imageCount();

    QImage image = reader.read();
    if (image.isNull() || int64_t{image.width()} * image.height() > Image::kMaxPixels) return false;
    const float horizontalDpi =
        ToDpi(image.dotsPerMeterX(), QImage(1, 1, QImage::Format_RGB32).dotsPerMeterX());
    const float verticalDpi =
        ToDpi(image.dotsPerMeterY(), QImage(1, 1, QImage::Format_RGB32).dotsPerMeterY());
    QImage pixels = ToOpaqueRgb32(std::move(image));
    if (pixels.isNull()) return false;

    picture.pixels = std::move(pixels);
    picture.horizontalDpi = horizontalDpi;
    picture.verticalDpi = verticalDpi;
    picture.frameCount = frames > 0 ? static_cast<unsigned>(frames) : 1;
    return true;
}
