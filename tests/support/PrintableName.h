#pragma once

#include <string>
#include <string_view>

// A form of any text made of letters, digits and "_" only, different for
// different texts: other bytes become "_" and two hex digits. Parameterised
// tests print their cases with it, so test names stay readable and safe for
// every test runner, whatever bytes a case holds.
std::string PrintableName(std::string_view text);
