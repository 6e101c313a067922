#include "platform/JfifDensity.h"

#include <cstdint>

namespace {

constexpr float kDefaultDpi = 96.0f;
constexpr float kCentimetresPerInch = 2.54f;

unsigned Byte(std::string_view bytes, size_t at) {
    return static_cast<uint8_t>(bytes[at]);
}

unsigned BigEndian16(std::string_view bytes, size_t at) {
    return (Byte(bytes, at) << 8) | Byte(bytes, at + 1);
}

float ToDpi(unsigned density, unsigned units) {
    if (density == 0) return kDefaultDpi;
    if (units == 1) return static_cast<float>(density);
    return static_cast<float>(density) * kCentimetresPerInch;
}

}  // namespace

JfifDensity JfifDensity::Read(std::string_view jpeg) {
    JfifDensity result;
    // Walk the marker segments after SOI up to the first frame or scan
    // header: writers put APP0 first, but some put other segments before it.
    size_t at = 2;
    while (at + 4 <= jpeg.size()) {
        if (Byte(jpeg, at) != 0xFF) return result;
        const unsigned marker = Byte(jpeg, at + 1);
        if (marker == 0xFF) {  // fill byte before a marker
            ++at;
            continue;
        }
        if (marker == 0xDA || (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 &&
                               marker != 0xC8 && marker != 0xCC))
            return result;
        const unsigned length = BigEndian16(jpeg, at + 2);
        if (length < 2) return result;
        const size_t body = at + 4;
        if (marker == 0xE0 && length >= 16 && body + 12 <= jpeg.size() &&
            jpeg.substr(body, 5) == std::string_view("JFIF\0", 5)) {
            const unsigned units = Byte(jpeg, body + 7);
            if (units == 1 || units == 2) {
                result.horizontalDpi = ToDpi(BigEndian16(jpeg, body + 8), units);
                result.verticalDpi = ToDpi(BigEndian16(jpeg, body + 10), units);
            }
            return result;
        }
        at += 2 + length;
    }
    return result;
}
