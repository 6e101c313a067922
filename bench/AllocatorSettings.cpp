#include "AllocatorSettings.h"

#include <malloc.h>

namespace {

// The largest threshold the allocator accepts on 64-bit systems: a 1800 x 2700
// page of 32-bit pixels (19.4 MB) stays below it, so it comes from the heap.
constexpr int kMapThreshold = 32 * 1024 * 1024;
// Freed memory at the heap's top stays with the process up to this much.
constexpr int kTrimThreshold = 1024 * 1024 * 1024;

}  // namespace

void KeepFreedPageSizedBlocks() {
    mallopt(M_MMAP_THRESHOLD, kMapThreshold);
    mallopt(M_TRIM_THRESHOLD, kTrimThreshold);
}
