#pragma once

#include <cmath>
#include <limits>

// The engine's arithmetic: 32-bit results, every conversion of a floating
// value truncated toward zero. Values beyond the 32-bit range (only reachable
// through absurd page sizes) saturate instead of being undefined.
namespace engine_arithmetic {

inline int Truncate(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

// A display size at a zoom percentage: size x percent / 100, truncated.
inline int Zoomed(int size, double percent) {
    return Truncate(size * percent / 100.0);
}

}  // namespace engine_arithmetic
