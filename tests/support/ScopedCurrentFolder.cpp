#include "support/ScopedCurrentFolder.h"

#include <filesystem>

ScopedCurrentFolder::ScopedCurrentFolder(const std::string& folder)
    : previous_(std::filesystem::current_path().string()) {
    std::filesystem::current_path(folder);
}

ScopedCurrentFolder::~ScopedCurrentFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
}
