// Loaded into the real program by a test (LD_PRELOAD) to play a slow disk,
// a USB stick or a network home: every flush to the disk takes
// KIV_SLOW_FLUSH_SECONDS (2 when unset) before it is made; with
// KIV_SLOW_FLUSH_WHILE naming a file, only the flushes that begin while
// that file is there are slow, and the first of them leaves a file of that
// name with ".flushing" added as it begins, for the test to see.
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <unistd.h>

extern "C" int fsync(int descriptor)
{
    using Flush = int (*)(int);
    static const Flush flush = reinterpret_cast<Flush>(dlsym(RTLD_NEXT, "fsync"));
    const char* seconds = std::getenv("KIV_SLOW_FLUSH_SECONDS");
    const char* onlyWhile = std::getenv("KIV_SLOW_FLUSH_WHILE");
    if (!onlyWhile || access(onlyWhile, F_OK) == 0) {
        if (onlyWhile)
            close(open((std::string(onlyWhile) + ".flushing").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
        // A sleep cut short by a signal goes on: the disk does not hurry.
        for (unsigned left = seconds ? static_cast<unsigned>(std::atoi(seconds)) : 2; left > 0;)
            left = sleep(left);
    }
    return flush(descriptor);
}
