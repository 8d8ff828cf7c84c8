#pragma once
// No file can be opened while a DescriptorLimit lives: the process's limit
// on open files (RLIMIT_NOFILE) is lowered to the descriptors already open,
// so the next open fails with EMFILE ("Too many open files"), as it does in
// a program started under a low "ulimit -n". The limit is put back after.
// It holds for every thread of the process.
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

class DescriptorLimit {
public:
    DescriptorLimit()
    {
        getrlimit(RLIMIT_NOFILE, &previous);
        // A new descriptor takes the lowest free number, and the limit is
        // the first number not allowed.
        const int lowestFree = open("/dev/null", O_RDONLY | O_CLOEXEC);
        close(lowestFree);
        rlimit limited = previous;
        limited.rlim_cur = static_cast<rlim_t>(lowestFree);
        setrlimit(RLIMIT_NOFILE, &limited);
    }
    ~DescriptorLimit() { setrlimit(RLIMIT_NOFILE, &previous); }
    DescriptorLimit(const DescriptorLimit&) = delete;
    DescriptorLimit& operator=(const DescriptorLimit&) = delete;

private:
    rlimit previous{};
};
