#include "ProcessMemory.h"

#include <malloc.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

// A "Name:   1234 kB" line of /proc/self/status, in bytes; -1 when absent.
int64_t StatusField(const std::string& name) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, name.size() + 1, name + ":") != 0) continue;
        std::istringstream fields(line.substr(name.size() + 1));
        int64_t kilobytes = -1;
        fields >> kilobytes;
        return kilobytes < 0 ? -1 : kilobytes * 1024;
    }
    return -1;
}

}  // namespace

int64_t ProcessMemory::Resident() {
    return StatusField("VmRSS");
}

int64_t ProcessMemory::PeakResident() {
    return StatusField("VmHWM");
}

bool ProcessMemory::ResetPeak() {
    // "5" resets the peak resident size to the current one (Linux 4.0 and later).
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.close();
    return !clear.fail();
}

int64_t ProcessMemory::Allocated() {
    const struct mallinfo2 info = mallinfo2();
    // Small blocks from the heap plus the large ones mapped on their own.
    return static_cast<int64_t>(info.uordblks + info.hblkhd);
}

void ProcessMemory::ReleaseFreed() {
    malloc_trim(0);
}
