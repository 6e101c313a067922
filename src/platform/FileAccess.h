#pragma once

#include <string>

// The absolute form of a path (made against the current folder, "." and ".."
// resolved by name; links are not resolved). Bytes are kept as they are.
std::string AbsolutePath(const std::string& path);

// True when the path names a regular file that can be opened for reading.
bool CanOpenForReading(const std::string& path);

// The part of a path after its last "/" (the whole path when it has none).
std::string FileNamePart(const std::string& path);
