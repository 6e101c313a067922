#include "platform/HiddenProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>

extern char** environ;

namespace {

// Without pidfds (kernels before 5.3) the end of the child is noticed by
// polling in slices this short.
constexpr int kFallbackSliceMs = 10;

void CloseQuietly(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

// Keeps a new descriptor clear of 0, 1 and 2: when the program runs with a
// standard stream closed, a pipe end could land there and be mistaken for the
// child's own stream when the child's streams are set up.
bool MoveAboveStandardStreams(int& fd) {
    if (fd > STDERR_FILENO) return true;
    int moved = fcntl(fd, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
    close(fd);
    fd = moved;
    return fd >= 0;
}

bool MakePipe(int ends[2]) {
    if (pipe2(ends, O_CLOEXEC) != 0) return false;
    if (MoveAboveStandardStreams(ends[0]) && MoveAboveStandardStreams(ends[1])) return true;
    CloseQuietly(ends[0]);
    CloseQuietly(ends[1]);
    return false;
}

int64_t MonotonicMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

int StatusFromWait(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);  // as the shell reports it
    return -1;
}

int OpenPidFd(pid_t pid) {
#ifdef SYS_pidfd_open
    // pidfd_open descriptors are always close-on-exec.
    return static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
#else
    (void)pid;
    return -1;
#endif
}

// Starts "/bin/sh script" in a session of its own (so no terminal), with the
// given standard streams and default signal handling.
pid_t SpawnShell(const std::string& scriptPath, int input, int output) {
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    posix_spawn_file_actions_adddup2(&actions, input, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output, STDERR_FILENO);
    // A program that ignores SIGPIPE or blocks signals must not pass that on:
    // the extractor should die normally when its output goes nowhere.
    sigset_t noSignals;
    sigemptyset(&noSignals);
    sigset_t defaultSignals;
    sigemptyset(&defaultSignals);
    for (int signal : {SIGPIPE, SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGCHLD})
        sigaddset(&defaultSignals, signal);
    posix_spawnattr_setsigmask(&attributes, &noSignals);
    posix_spawnattr_setsigdefault(&attributes, &defaultSignals);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    char shell[] = "/bin/sh";
    std::string script = scriptPath;
    char* arguments[] = {shell, script.data(), nullptr};
    pid_t pid = -1;
    int error = posix_spawn(&pid, shell, &actions, &attributes, arguments, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

bool IsReadableFile(const std::string& path) {
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), R_OK) == 0;
}

}  // namespace

HiddenProcess::~HiddenProcess() {
    if (pid_ > 0) {
        // The owner gave up on the child. It may sit at a question that will
        // never be answered, and the extractor ignores SIGTERM there, so end
        // its whole session rather than block here for ever.
        kill(-pid_, SIGKILL);
        int status = 0;
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
    }
    CloseQuietly(pidFd_);
    CloseQuietly(outputFd_);
}

bool HiddenProcess::Start(const std::string& scriptPath) {
    if (pid_ > 0 || outputFd_ >= 0 || exitStatus_ != -1) return false;  // one run per object
    // The shell would start and then complain; a missing script is a failed start.
    if (!IsReadableFile(scriptPath)) return false;
    int output[2] = {-1, -1};
    int input[2] = {-1, -1};
    if (!MakePipe(output)) return false;
    if (!MakePipe(input)) {
        CloseQuietly(output[0]);
        CloseQuietly(output[1]);
        return false;
    }
    pid_t pid = SpawnShell(scriptPath, input[0], output[1]);
    // The child has its own copies now. Closing our write end of its input at
    // once is what gives it end-of-file instead of an endless wait; closing our
    // copy of its output's write end lets the pipe report its end.
    CloseQuietly(output[1]);
    CloseQuietly(input[0]);
    CloseQuietly(input[1]);
    if (pid <= 0) {
        CloseQuietly(output[0]);
        return false;
    }
    fcntl(output[0], F_SETFL, fcntl(output[0], F_GETFL) | O_NONBLOCK);
    pid_ = pid;
    outputFd_ = output[0];
    pidFd_ = OpenPidFd(pid);
    return true;
}

bool HiddenProcess::ReapIfEnded(bool block) {
    int status = 0;
    pid_t result;
    do {
        result = waitpid(pid_, &status, block ? 0 : WNOHANG);
    } while (result < 0 && errno == EINTR);
    if (result == 0) return false;
    // Either ended, or it cannot be waited for at all (someone else reaped it).
    exitStatus_ = result == pid_ ? StatusFromWait(status) : -1;
    pid_ = -1;
    CloseQuietly(pidFd_);
    return true;
}

HiddenProcess::WaitResult HiddenProcess::Wait(int milliseconds) {
    if (pid_ <= 0) return exitStatus_ >= 0 ? WaitResult::Ended : WaitResult::Failed;
    const int64_t deadline = MonotonicMilliseconds() + std::max(milliseconds, 0);
    for (;;) {
        if (ReapIfEnded(false)) return exitStatus_ >= 0 ? WaitResult::Ended : WaitResult::Failed;
        pollfd watched[2];
        nfds_t count = 0;
        int outputSlot = -1;
        int pidSlot = -1;
        if (outputFd_ >= 0) {
            outputSlot = static_cast<int>(count);
            watched[count++] = {outputFd_, POLLIN, 0};
        }
        if (pidFd_ >= 0) {
            pidSlot = static_cast<int>(count);
            watched[count++] = {pidFd_, POLLIN, 0};
        }
        int64_t remaining = deadline - MonotonicMilliseconds();
        if (remaining <= 0) return WaitResult::TimedOut;
        int slice = static_cast<int>(std::min<int64_t>(remaining, INT_MAX));
        if (pidFd_ < 0) slice = std::min(slice, kFallbackSliceMs);
        int ready = poll(watched, count, slice);
        if (ready < 0 && errno != EINTR) return WaitResult::Failed;
        if (ready <= 0) continue;
        if (pidSlot >= 0 && watched[pidSlot].revents != 0) {
            ReapIfEnded(true);
            return exitStatus_ >= 0 ? WaitResult::Ended : WaitResult::Failed;
        }
        if (outputSlot >= 0) {
            short events = watched[outputSlot].revents;
            if (events & POLLIN) return WaitResult::TimedOut;  // output waits: let the caller drain
            // Every writer has closed the pipe and nothing is left in it:
            // stop watching it, or the wait would spin until the child ends.
            if (events & (POLLHUP | POLLERR | POLLNVAL)) CloseQuietly(outputFd_);
        }
    }
}

size_t HiddenProcess::ReadAvailable(char* buffer, size_t size) {
    if (outputFd_ < 0 || size == 0) return 0;
    for (;;) {
        ssize_t count = read(outputFd_, buffer, size);
        if (count > 0) return static_cast<size_t>(count);
        if (count < 0 && errno == EINTR) continue;
        if (count == 0) CloseQuietly(outputFd_);  // every writer is gone
        return 0;
    }
}
