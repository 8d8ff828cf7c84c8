#pragma once
// A full disk for tests of saves that fail with ENOSPC: a small tmpfs
// mounted over a folder in a mount namespace of the calling process's own,
// so the rest of the system never sees it and it goes with the process.
// Only for a child process (a death test's); ask smallDiskPossible in the
// parent first: it needs root, or user namespaces open to everyone.
#include "TemporaryFolder.h"
#include "WholeFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

// Moves the process into namespaces of its own and mounts an empty tmpfs of
// the given size over folder; false when the system refuses.
inline bool mountSmallDisk(const std::string& folder, size_t bytes)
{
    const uid_t uid = getuid();
    const gid_t gid = getgid();
    if (unshare(CLONE_NEWNS) != 0) {
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return false;
        writeWholeFile("/proc/self/setgroups", "deny");
        writeWholeFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1");
        writeWholeFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1");
    }
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return false;
    return mount("tmpfs", folder.c_str(), "tmpfs", 0, ("size=" + std::to_string(bytes)).c_str()) == 0;
}

// Writes a file into folder until the disk is full; true when it ended
// with ENOSPC.
inline bool fillDisk(const std::string& folder)
{
    const int file = open((folder + "/filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const char block[4096] = {};
    while (file >= 0 && write(file, block, sizeof(block)) > 0) {
    }
    const bool full = errno == ENOSPC;
    close(file);
    return full;
}

// True when this system lets a process mount a small disk (tried in a
// child, so the caller's namespaces stay as they are).
inline bool smallDiskPossible()
{
    const TemporaryFolder folder("kiv-small-disk");
    const pid_t child = fork();
    if (child == 0)
        _exit(mountSmallDisk(folder.path(), 65536) ? 0 : 1);
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
