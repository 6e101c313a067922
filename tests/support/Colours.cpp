#include "support/Colours.h"

#include <cstdlib>
#include <initializer_list>

bool NearColour(uint32_t actual, uint32_t expected, int tolerance) {
    for (int shift : {0, 8, 16}) {
        int a = (actual >> shift) & 0xFF;
        int e = (expected >> shift) & 0xFF;
        if (std::abs(a - e) > tolerance) return false;
    }
    return true;
}
