#include "PictureBytes.h"

#include <turbojpeg.h>

#include <QBuffer>
#include <stdexcept>
#include <vector>

namespace {

std::string Compress(const unsigned char* pixels, int width, int pitch, int height, TJPF format,
                     TJSAMP subsampling) {
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    const int failed =
        tjCompress2(handle, pixels, width, pitch, height, format, &jpeg, &size, subsampling, 95, 0);
    std::string bytes = failed ? std::string() : std::string(reinterpret_cast<char*>(jpeg), size);
    tjFree(jpeg);
    tjDestroy(handle);
    if (failed) throw std::runtime_error("tjCompress2 failed");
    return bytes;
}

unsigned Byte(const std::string& bytes, size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

size_t SegmentLength(const std::string& bytes, size_t marker) {
    return (Byte(bytes, marker + 2) << 8) | Byte(bytes, marker + 3);
}

// Where the first segment with this marker starts (at its 0xFF); npos if none
// comes before the scan.
size_t FindSegment(const std::string& jpeg, unsigned marker) {
    size_t at = 2;
    while (at + 4 <= jpeg.size() && Byte(jpeg, at) == 0xFF && Byte(jpeg, at + 1) != 0xDA) {
        if (Byte(jpeg, at + 1) == marker) return at;
        at += 2 + SegmentLength(jpeg, at);
    }
    return std::string::npos;
}

std::string BigEndian16(int value) {
    return {static_cast<char>((value >> 8) & 0xFF), static_cast<char>(value & 0xFF)};
}

}  // namespace

QImage SolidImage(int width, int height, uint32_t rgb) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(rgb));
    return image;
}

std::string EncodeJpeg(const QImage& image) {
    const QImage rgb32 = image.convertToFormat(QImage::Format_RGB32);
    return Compress(rgb32.constBits(), rgb32.width(), int(rgb32.bytesPerLine()), rgb32.height(),
                    TJPF_BGRX, TJSAMP_444);
}

std::string EncodeGreyJpeg(int width, int height, uint8_t grey) {
    const std::vector<unsigned char> pixels(size_t(width) * height, grey);
    return Compress(pixels.data(), width, width, height, TJPF_GRAY, TJSAMP_GRAY);
}

std::string EncodeCmykJpeg(int width, int height, uint8_t c, uint8_t m, uint8_t y, uint8_t k) {
    std::vector<unsigned char> pixels;
    for (int i = 0; i < width * height; ++i) pixels.insert(pixels.end(), {c, m, y, k});
    return Compress(pixels.data(), width, width * 4, height, TJPF_CMYK, TJSAMP_444);
}

std::string WithJfifDensity(const std::string& jpeg, int units, int x, int y) {
    const std::string app0 = std::string("\xFF\xE0", 2) + BigEndian16(16) +
                             std::string("JFIF\0\x01\x01", 7) + static_cast<char>(units) +
                             BigEndian16(x) + BigEndian16(y) + std::string(2, '\0');
    return jpeg.substr(0, 2) + app0 + WithoutJfif(jpeg).substr(2);
}

std::string WithoutJfif(const std::string& jpeg) {
    std::string bytes = jpeg;
    const size_t app0 = FindSegment(bytes, 0xE0);
    if (app0 != std::string::npos) bytes.erase(app0, 2 + SegmentLength(bytes, app0));
    return bytes;
}

std::string WithClaimedSize(const std::string& jpeg, int width, int height) {
    std::string bytes = jpeg;
    const size_t frame = FindSegment(bytes, 0xC0);
    if (frame == std::string::npos) throw std::runtime_error("no baseline frame header");
    // Length (2), precision (1), then height and width.
    bytes.replace(frame + 5, 2, BigEndian16(height));
    bytes.replace(frame + 7, 2, BigEndian16(width));
    return bytes;
}

std::string EncodePng(const QImage& image) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG", 80)) throw std::runtime_error("PNG encoding failed");
    return data.toStdString();
}

std::string WithoutPngChunk(const std::string& png, const std::string& type) {
    std::string bytes = png;
    const size_t name = bytes.find(type);
    if (name == std::string::npos || name < 4) return bytes;
    const size_t length = (Byte(bytes, name - 4) << 24) | (Byte(bytes, name - 3) << 16) |
                          (Byte(bytes, name - 2) << 8) | Byte(bytes, name - 1);
    // Length field, type, data, CRC.
    bytes.erase(name - 4, 4 + 4 + length + 4);
    return bytes;
}
