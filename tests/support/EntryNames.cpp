#include "support/EntryNames.h"

#include <algorithm>
#include <filesystem>

std::vector<std::string> EntryNamesBelow(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, error);
         it != std::filesystem::recursive_directory_iterator(); it.increment(error))
        names.push_back(it->path().lexically_relative(folder).string());
    std::sort(names.begin(), names.end());
    return names;
}
