#pragma once
// A sandbox that refuses some system calls, or a file system that lacks the
// operations behind them: a seccomp filter on the calling process makes
// each call named fail with the error given. A filter cannot be lifted, so
// only a process of a test's own installs one (a "threadsafe" death test's
// child). Linux on x86-64 or ARM64.
#include <cstddef>
#include <initializer_list>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <vector>

namespace testsupport {

struct RefusedCall {
    long number;
    int error;
    // When not 0, refused only when its first argument has one of these bits
    // (clone's CLONE_THREAD: threads, not other processes).
    unsigned long firstArgumentBits = 0;
};

// False when the system would not take the filter.
inline bool refuseSystemCalls(std::initializer_list<RefusedCall> calls)
{
#if defined(__x86_64__)
    const unsigned architecture = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
    const unsigned architecture = AUDIT_ARCH_AARCH64;
#else
    return false;
#endif
    std::vector<sock_filter> program = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, architecture, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    // One block a call, each loading the call's number afresh.
    for (const RefusedCall& call : calls) {
        const unsigned char checks = call.firstArgumentBits ? 2 : 0;
        program.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)));
        program.push_back(
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<unsigned>(call.number), 0, static_cast<unsigned char>(checks + 1)));
        if (checks) {
            // The argument's low word, on a little-endian machine.
            program.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[0])));
            program.push_back(
                BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, static_cast<unsigned>(call.firstArgumentBits), 0, 1));
        }
        program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (call.error & SECCOMP_RET_DATA)));
    }
    program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    const sock_fprog filter{static_cast<unsigned short>(program.size()), program.data()};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) == 0;
}

} // namespace testsupport
