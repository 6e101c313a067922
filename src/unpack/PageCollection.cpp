#include "unpack/PageCollection.h"

#include <algorithm>
#include <string_view>

#include "platform/FileSystem.h"
#include "unpack/NaturalOrder.h"

namespace {

bool EqualsIgnoringAsciiCase(std::string_view text, std::string_view lowerCase) {
    return std::equal(
        text.begin(), text.end(), lowerCase.begin(), lowerCase.end(), [](char c, char lower) {
            return (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) == lower;
        });
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace

bool IsPageName(const std::string& name) {
    size_t dot = name.rfind('.');
    if (dot == std::string::npos) return false;
    std::string_view extension = std::string_view(name).substr(dot + 1);
    return EqualsIgnoringAsciiCase(extension, "jpg") || EqualsIgnoringAsciiCase(extension, "jpeg");
}

void CollectPages(PageList& pages, const std::string& folder) {
    if (folder.empty()) return;
    std::vector<FolderEntry> entries = ListFolder(folder);
    // The file system lists a folder in no useful order; readers expect the
    // order of the names as a person reads them.
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
        return NaturalLess(a.name, b.name);
    });
    // Folders starting with "." are tool or system folders (".git", ".thumbnails"),
    // not part of the book.
    for (const FolderEntry& entry : entries) {
        if (entry.kind == FolderEntry::Kind::Folder && entry.name.front() != '.')
            CollectPages(pages, JoinPath(folder, entry.name));
    }
    for (const FolderEntry& entry : entries) {
        if (entry.kind == FolderEntry::Kind::File && IsPageName(entry.name))
            pages.push_back(JoinPath(folder, entry.name));
    }
}
