#pragma once

#include <cstdint>

// This process's memory as the system and the allocator see it, in bytes.
class ProcessMemory {
  public:
    // Pages of the process in memory now (VmRSS).
    static int64_t Resident();
    // The most that has been resident since the process started or since the
    // last ResetPeak (VmHWM).
    static int64_t PeakResident();
    // Starts a new peak at what is resident now; false when the system does
    // not allow it, and the peak then counts from the process's start.
    static bool ResetPeak();
    // Bytes handed out by malloc and not freed: what the program holds, without
    // what the allocator keeps for later.
    static int64_t Allocated();
    // Gives the system back what the allocator keeps of freed memory, so that
    // a baseline holds only what is in use.
    static void ReleaseFreed();
};
