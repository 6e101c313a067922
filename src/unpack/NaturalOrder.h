#pragma once

#include <string_view>

// The order in which names are listed: letters compared without regard to
// ASCII case, runs of digits compared as numbers ("page2" before "page10").
// Names equal under that rule are ordered by their bytes, so the order is
// total and the same on every run.
bool NaturalLess(std::string_view left, std::string_view right);
