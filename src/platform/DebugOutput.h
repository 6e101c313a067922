#pragma once

#include <string_view>

// The developer's trace channel: the "panelvue.debug" logging category, off
// unless enabled (QT_LOGGING_RULES="panelvue.debug=true").
void DebugOutput(std::string_view text);
