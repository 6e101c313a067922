#pragma once

#include <string_view>

// The resolution a JPEG file states in its JFIF header (APP0), in dots per
// inch. The decoder does not report it, so it is read from the bytes.
struct JfifDensity {
    float horizontalDpi = 96.0f;
    float verticalDpi = 96.0f;

    // 96 on an axis the file leaves open: no JFIF header, units 0 (only an
    // aspect ratio), or a density of 0.
    static JfifDensity Read(std::string_view jpeg);
};
