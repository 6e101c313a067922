#include "platform/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

std::string AbsolutePath(const std::string& path) {
    if (path.empty()) return path;
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error) return path;
    return absolute.lexically_normal().string();
}

bool CanOpenForReading(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat info {};
    // Only regular files: a folder opens too, and a pipe or device named like a
    // comic would make the extractor wait for ever.
    bool readable = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    close(fd);
    return readable;
}

std::string FileNamePart(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
