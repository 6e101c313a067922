#pragma once

#include <string>
#include <vector>

// Every entry below a folder as its path relative to the folder, sorted.
// Symbolic links are listed under their own names and never followed (unlike
// ListTree, whose relative names resolve links). Empty when the folder is missing.
std::vector<std::string> EntryNamesBelow(const std::string& folder);
