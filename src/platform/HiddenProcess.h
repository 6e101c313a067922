#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

// A script run by the command interpreter (/bin/sh) with no terminal. Its
// standard output and error go into one pipe that the program drains; its
// standard input is a pipe at end-of-file, so a child that asks a question
// gets no answer and gives up instead of waiting for ever.
class HiddenProcess {
  public:
    enum class WaitResult { Ended, TimedOut, Failed };

    HiddenProcess() = default;
    // A child that was started and has not been waited for to the end is
    // killed with its whole session (it may be stuck at a question and deaf to
    // SIGTERM) and reaped, so destroying the object never blocks for long.
    ~HiddenProcess();
    HiddenProcess(const HiddenProcess&) = delete;
    HiddenProcess& operator=(const HiddenProcess&) = delete;

    // False when the child could not be started (also when the script is not
    // a readable file). One run per object.
    bool Start(const std::string& scriptPath);

    // Waits at most `milliseconds`. Returns Ended as soon as the child has
    // ended; TimedOut when the time ran out or output is waiting to be read.
    WaitResult Wait(int milliseconds);

    // Reads what the child has written, up to `size` bytes, without ever
    // blocking. 0 when nothing is waiting (or the pipe is closed).
    size_t ReadAvailable(char* buffer, size_t size);

    // The child's exit status once Wait returned Ended; -1 otherwise.
    int ExitStatus() const { return exitStatus_; }

  private:
    // Collects the child's status when it has ended (or waits for that when
    // `block`); true once the child is gone.
    bool ReapIfEnded(bool block);

    pid_t pid_ = -1;
    int pidFd_ = -1;
    int outputFd_ = -1;
    int exitStatus_ = -1;
};
