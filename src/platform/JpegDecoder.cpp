#include "platform/JpegDecoder.h"

#include <turbojpeg.h>

#include <QSysInfo>
#include <cstdint>
#include <memory>

#include "platform/JfifDensity.h"

namespace {

using DecompressorHandle = std::unique_ptr<void, decltype(&tjDestroy)>;

// Format_RGB32 is 0xFFRRGGBB in native byte order; the alpha variant makes
// the decoder write the unused byte as 0xFF, as the format requires.
constexpr TJPF kNativeRgb32 = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? TJPF_BGRA : TJPF_ARGB;

bool OnlyWarned(tjhandle handle) {
    return tjGetErrorCode(handle) == TJERR_WARNING;
}

// Photoshop writes CMYK JPEGs with an Adobe APP14 segment and stores every
// channel inverted (255 = no ink); files without that segment hold plain CMYK.
bool HasAdobeSegment(std::string_view jpeg) {
    size_t at = 2;
    while (at + 4 <= jpeg.size()) {
        const auto marker = static_cast<uint8_t>(jpeg[at + 1]);
        if (static_cast<uint8_t>(jpeg[at]) != 0xFF || marker == 0xDA) return false;
        const size_t length =
            (static_cast<uint8_t>(jpeg[at + 2]) << 8) | static_cast<uint8_t>(jpeg[at + 3]);
        if (marker == 0xEE && jpeg.substr(at + 4, 5) == "Adobe") return true;
        at += 2 + length;
    }
    return false;
}

// Turns the CMYK the decoder left in the page's own buffer into RGB32, in place.
void CmykToRgb32(QImage& image, bool inverted) {
    for (int y = 0; y < image.height(); ++y) {
        auto* pixel = reinterpret_cast<uint8_t*>(image.scanLine(y));
        auto* out = reinterpret_cast<QRgb*>(pixel);
        for (int x = 0; x < image.width(); ++x, pixel += 4) {
            unsigned c = pixel[0], m = pixel[1], yellow = pixel[2], k = pixel[3];
            if (!inverted) {
                c = 255 - c;
                m = 255 - m;
                yellow = 255 - yellow;
                k = 255 - k;
            }
            // Each channel is now the fraction of light left, times 255.
            out[x] = qRgb((c * k + 127) / 255, (m * k + 127) / 255, (yellow * k + 127) / 255);
        }
    }
}

}  // namespace

bool JpegDecoder::LooksLikeJpeg(std::string_view bytes) {
    return bytes.size() >= 3 && static_cast<uint8_t>(bytes[0]) == 0xFF &&
           static_cast<uint8_t>(bytes[1]) == 0xD8 && static_cast<uint8_t>(bytes[2]) == 0xFF;
}

bool JpegDecoder::Decode(std::string_view jpeg, Image::Picture& picture) {
    DecompressorHandle handle(tjInitDecompress(), &tjDestroy);
    if (!handle) return false;
    const auto* data = reinterpret_cast<const unsigned char*>(jpeg.data());
    const auto size = static_cast<unsigned long>(jpeg.size());

    int width = 0, height = 0, subsampling = 0, colorspace = 0;
    if (tjDecompressHeader3(handle.get(), data, size, &width, &height, &subsampling, &colorspace) !=
            0 &&
        !OnlyWarned(handle.get()))
        return false;
    // The header alone decides, before a single pixel is allocated.
    if (width <= 0 || height <= 0 || int64_t{width} * height > Image::kMaxPixels) return false;

    QImage pixels(width, height, QImage::Format_RGB32);
    if (pixels.isNull()) return false;
    const bool cmyk = colorspace == TJCS_CMYK || colorspace == TJCS_YCCK;
    // Default flags: the accurate DCT, as any other reader would decode.
    if (tjDecompress2(handle.get(), data, size, pixels.bits(), width,
                      static_cast<int>(pixels.bytesPerLine()), height,
                      cmyk ? TJPF_CMYK : kNativeRgb32, 0) != 0 &&
        !OnlyWarned(handle.get()))
        return false;
    if (cmyk) CmykToRgb32(pixels, HasAdobeSegment(jpeg));

    const JfifDensity density = JfifDensity::Read(jpeg);
    picture.pixels = std::move(pixels);
    picture.horizontalDpi = density.horizontalDpi;
    picture.verticalDpi = density.verticalDpi;
    picture.frameCount = 1;
    return true;
}
