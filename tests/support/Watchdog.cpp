#include "support/Watchdog.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

Watchdog::Watchdog(std::string what, int seconds) {
    thread_ = std::thread([this, what = std::move(what), seconds] {
        std::unique_lock lock(mutex_);
        if (!done_.wait_for(lock, std::chrono::seconds(seconds), [this] { return finished_; })) {
            std::fprintf(stderr, "\nHANG: %s did not finish within %d s\n", what.c_str(), seconds);
            std::fflush(stderr);
            std::_Exit(1);
        }
    });
}

Watchdog::~Watchdog() {
    {
        std::lock_guard lock(mutex_);
        finished_ = true;
    }
    done_.notify_all();
    thread_.join();
}
