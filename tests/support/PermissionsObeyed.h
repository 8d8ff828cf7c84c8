#pragma once
// Root reads any file whatever its permission bits, so a test of "the file
// is there but cannot be read" run as root (as CI runs) would see it read.
// While a PermissionsObeyed lives, the calling thread gives up that power
// (CAP_DAC_OVERRIDE and CAP_DAC_READ_SEARCH leave its effective set) and gets
// it back when the object goes; for any other user it changes nothing.
// Capabilities belong to a thread: only the constructing thread is affected.
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

class PermissionsObeyed {
public:
    PermissionsObeyed()
    {
        if (syscall(SYS_capget, &header, saved) != 0)
            return;
        __user_cap_data_struct reduced[2] = {saved[0], saved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        bChanged = syscall(SYS_capset, &header, reduced) == 0;
    }
    ~PermissionsObeyed()
    {
        if (bChanged)
            syscall(SYS_capset, &header, saved);
    }
    PermissionsObeyed(const PermissionsObeyed&) = delete;
    PermissionsObeyed& operator=(const PermissionsObeyed&) = delete;

private:
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved[2] = {};
    bool bChanged = false;
};
