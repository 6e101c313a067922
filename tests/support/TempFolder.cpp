#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>

TempFolder::TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "panelvue-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    // Tests may leave unreadable entries behind; make everything removable first.
    std::error_code ignored;
    for (auto it = std::filesystem::recursive_directory_iterator(
             path_, std::filesystem::directory_options::skip_permission_denied, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        if (!it->is_symlink(ignored))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::remove_all(path_, ignored);
}
