#pragma once

#include <cstdint>

// True when two 0xAARRGGBB colours differ in no channel by more than
// `tolerance`: a JPEG's rounding keeps a solid colour only near its value.
bool NearColour(uint32_t actual, uint32_t expected, int tolerance = 6);
