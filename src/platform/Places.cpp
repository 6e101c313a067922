#include "platform/Places.h"

#include <pwd.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace {

bool IsAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// The home folder from the user database, for sessions started without $HOME.
std::string HomeFromUserDatabase() {
    long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 16384);
    passwd record{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &record, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || !IsAbsolute(found->pw_dir))
        return {};
    return found->pw_dir;
}

}  // namespace

std::string UserDataFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (IsAbsolute(dataHome)) return WithoutTrailingSlashes(dataHome);
    const char* home = std::getenv("HOME");
    std::string homeFolder = IsAbsolute(home) ? std::string(home) : HomeFromUserDatabase();
    // With no home at all the made paths start at the root, as they would on
    // the original platform when the data folder cannot be determined.
    if (homeFolder.empty()) return {};
    homeFolder = WithoutTrailingSlashes(homeFolder);
    if (homeFolder == "/") homeFolder.clear();
    return homeFolder + "/.local/share";
}

std::string ExecutableFolder() {
    std::vector<char> buffer(256);
    for (;;) {
        ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return {};
        if (static_cast<size_t>(length) < buffer.size()) {
            std::string path(buffer.data(), static_cast<size_t>(length));
            size_t slash = path.rfind('/');
            if (slash == std::string::npos) return path;
            return path.substr(0, slash);
        }
        buffer.resize(buffer.size() * 2);
    }
}

int32_t WrapTickCount(uint64_t milliseconds) {
    // Keep the low 32 bits and read them as signed: the count turns negative
    // after about 24.8 days and wraps to 0 after about 49.7 days.
    return static_cast<int32_t>(static_cast<uint32_t>(milliseconds));
}

int32_t TickCount() {
    // CLOCK_BOOTTIME keeps counting while the machine sleeps, like the system
    // tick count it stands for.
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    uint64_t milliseconds =
        static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return WrapTickCount(milliseconds);
}
