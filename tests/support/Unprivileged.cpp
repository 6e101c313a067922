#include "support/Unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace {

constexpr uid_t kNobody = 65534;

void HandOver(const std::string& folder) {
    lchown(folder.c_str(), kNobody, kNobody);
    std::error_code ignored;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored))
        lchown(it->path().c_str(), kNobody, kNobody);
}

}  // namespace

bool RunUnprivileged(const std::string& folder, const std::function<void()>& action) {
    if (geteuid() != 0) {
        action();
        return true;
    }
    HandOver(folder);
    pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(2);
        action();
        _exit(0);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
