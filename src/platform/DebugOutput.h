#pragma once

#include <string_view>

// The developer's trace channel: the "panelvue" logging category, off unless
// enabled with QT_LOGGING_RULES="panelvue.debug=true".
void DebugOutput(std::string_view text);
