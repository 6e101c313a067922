#pragma once

#include <string>
#include <vector>

// The pages of the open comic, in reading order: each the absolute path of one
// page image file (the file system's bytes). Index 0 is the first page.
using PageList = std::vector<std::string>;
