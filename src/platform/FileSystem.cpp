#include "platform/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

namespace {

constexpr mode_t kOwnerAll = S_IRWXU;

FolderEntry::Kind KindFromStat(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) return FolderEntry::Kind::Folder;
    if (S_ISREG(info.st_mode)) return FolderEntry::Kind::File;
    return FolderEntry::Kind::Other;
}

// The names in an open folder, without "." and "..". Takes over `folderFd`.
std::vector<std::string> NamesIn(int folderFd) {
    std::vector<std::string> names;
    DIR* listing = fdopendir(folderFd);
    if (listing == nullptr) {
        close(folderFd);
        return names;
    }
    while (dirent* entry = readdir(listing)) {
        std::string_view name = entry->d_name;
        if (name != "." && name != "..") names.emplace_back(name);
    }
    closedir(listing);
    return names;
}

// Opens a folder inside `parentFd` for listing and deleting, without ever
// following a symbolic link. A folder we may not read, enter or change (such
// as mode 0000) is given owner rights first; the rights are changed through a
// handle on the folder itself, so swapping the name for a link in between
// cannot make us change anything else.
int OpenFolderForDeleting(int parentFd, const char* name) {
    int folderFd = openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folderFd < 0) {
        if (errno != EACCES) return -1;
        int handle = openat(parentFd, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (handle < 0) return -1;
        struct stat info {};
        bool granted = false;
        if (fstat(handle, &info) == 0) {
            std::string viaProc = "/proc/self/fd/" + std::to_string(handle);
            granted = chmod(viaProc.c_str(), (info.st_mode & 07777) | kOwnerAll) == 0;
        }
        if (granted) folderFd = openat(handle, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        close(handle);
        if (folderFd < 0) return -1;
    }
    struct stat info {};
    if (fstat(folderFd, &info) == 0 && (info.st_mode & kOwnerAll) != kOwnerAll)
        fchmod(folderFd, (info.st_mode & 07777) | kOwnerAll);
    return folderFd;
}

// Deletes one entry of the folder open as `parentFd`; folders with all their
// content. Every step is relative to an open folder handle.
void DeleteEntry(int parentFd, const char* name) {
    struct stat info {};
    if (fstatat(parentFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0) return;
    if (!S_ISDIR(info.st_mode)) {
        unlinkat(parentFd, name, 0);
        return;
    }
    int folderFd = OpenFolderForDeleting(parentFd, name);
    if (folderFd < 0) return;
    int listingFd = fcntl(folderFd, F_DUPFD_CLOEXEC, 0);
    if (listingFd >= 0) {
        for (const std::string& child : NamesIn(listingFd)) DeleteEntry(folderFd, child.c_str());
    }
    close(folderFd);
    unlinkat(parentFd, name, AT_REMOVEDIR);
}

}  // namespace

std::vector<FolderEntry> ListFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) return entries;
    int listingFd = fcntl(folderFd, F_DUPFD_CLOEXEC, 0);
    if (listingFd >= 0) {
        for (std::string& name : NamesIn(listingFd)) {
            struct stat info {};
            // The kind comes from the entry itself: a link is never followed.
            FolderEntry::Kind kind = FolderEntry::Kind::Other;
            if (fstatat(folderFd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0)
                kind = KindFromStat(info);
            entries.push_back({std::move(name), kind});
        }
    }
    close(folderFd);
    return entries;
}

bool CreateFolderWithParents(const std::string& folder) {
    if (folder.empty()) return false;
    for (size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1))
        mkdir(folder.substr(0, slash).c_str(), 0700);
    mkdir(folder.c_str(), 0700);
    // Parents may be links (a data folder moved to another disk): follow them.
    struct stat info {};
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool CreateNewFolder(const std::string& folder) {
    return mkdir(folder.c_str(), 0700) == 0;
}

bool IsRealFolder(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool PathExists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

bool WriteNewFile(const std::string& path, std::string_view bytes) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    size_t written = 0;
    while (written < bytes.size()) {
        ssize_t count = write(fd, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) break;
        written += static_cast<size_t>(count);
    }
    bool complete = close(fd) == 0 && written == bytes.size();
    if (!complete) unlink(path.c_str());
    return complete;
}

void DeleteFolderTree(const std::string& folder) {
    std::string path = folder;
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    size_t slash = path.rfind('/');
    std::string parent = slash == std::string::npos ? "."
                         : slash == 0               ? "/"
                                                    : path.substr(0, slash);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty() || name == "." || name == "..") return;
    // The parent may be reached through links; from there on nothing is followed.
    int parentFd = open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parentFd < 0) return;
    struct stat info {};
    if (fstatat(parentFd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode))
        DeleteEntry(parentFd, name.c_str());
    close(parentFd);
}

void DeleteFileQuietly(const std::string& path) {
    unlink(path.c_str());
}
