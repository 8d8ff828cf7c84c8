#include "AllocatorSettings.h"

// Any C library header says which library it is.
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {
constexpr int MEGABYTE = 1024 * 1024;
}

void applyAllocatorSettings()
{
#if defined(__GLIBC__)
    // Free memory at the top of the heap stays there up to this much, and the
    // heap grows by this much beyond each request, so a frame's memory is
    // taken from the system once and reused from then on.
    mallopt(M_TRIM_THRESHOLD, 64 * MEGABYTE);
    mallopt(M_TOP_PAD, 16 * MEGABYTE);
    // Setting the trim threshold stops the allocator from raising its mapping
    // threshold by itself; it is set where that raising would end, so that
    // blocks below 32 MB come from the heap and are reused, not mapped and
    // unmapped each time.
    mallopt(M_MMAP_THRESHOLD, 32 * MEGABYTE);
#endif
}
