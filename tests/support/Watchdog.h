#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

// Ends the test program with a message when the guarded scope is still running
// after a very generous time. It guards against hangs (a child waiting for
// ever), not against slowness: the limit is far beyond any honest run.
class Watchdog {
  public:
    explicit Watchdog(std::string what, int seconds = 300);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

  private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::thread thread_;
};
