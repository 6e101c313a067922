#pragma once

#include <cstdint>
#include <string>

// "<folder>/<prefix><tick>", the tick written as a signed decimal number.
std::string FormatWorkFolderPath(const std::string& folder, const std::string& prefix,
                                 int32_t tick);

// The "Tindlework" folder in the per-user data folder, created with its
// parents when missing, followed by "/<prefix><current tick count>". Only the
// "Tindlework" folder is created here, not the returned path.
std::string MakeWorkFolderPath(const std::string& prefix);

// The candidate names for a new file or folder at `base`: attempt 1 is `base`
// itself, attempt n > 1 is "<base>_<n>".
std::string UniqueNameCandidate(const std::string& base, int attempt);

// Creates a new, empty folder at the first free candidate for `base` and
// returns its path. When no folder can be created for another reason than a
// name already taken, returns `base` unchanged and creates nothing.
std::string ClaimNewFolder(const std::string& base);
