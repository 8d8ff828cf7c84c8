// Loaded into the real program by a test (LD_PRELOAD) to play a slow disk,
// a USB stick or a network home: every flush to the disk takes
// FLUSH_SECONDS before it is made.
#include <dlfcn.h>
#include <unistd.h>

namespace {
constexpr unsigned FLUSH_SECONDS = 2;
}

extern "C" int fsync(int descriptor)
{
    using Flush = int (*)(int);
    static const Flush flush = reinterpret_cast<Flush>(dlsym(RTLD_NEXT, "fsync"));
    // A sleep cut short by a signal goes on: the disk does not hurry.
    for (unsigned left = FLUSH_SECONDS; left > 0;)
        left = sleep(left);
    return flush(descriptor);
}
