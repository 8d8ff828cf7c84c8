#pragma once
// ErrorManager: the fatal error report. Broken assumptions and unrecoverable
// failures end the process here; input from disk or the network must be
// checked by its reader and never reach this for a recoverable fault.
// It may be reached from SDL's audio thread: there it only logs, prints and
// exits, it never touches video or input.
#include "UString.h"

class ErrorManager {
public:
    ErrorManager();

    // Formats the report, releases the mouse, saves a crash screenshot,
    // leaves full screen, logs it, prints "*** ERROR *** %s\n", logs
    // "Forced exit.", keeps the log as the crash log and exits with -1.
    [[noreturn]] void error(const char* format, ...) __attribute__((format(printf, 2, 3)));
    [[noreturn]] void verror(const char* format, va_list args);
    static const char* glErrorToString(unsigned int code);
};

// Reports through the engine's error manager when one exists; before the
// engine exists (or in tools and tests without one) it prints the report and
// exits with the same status.
[[noreturn]] void kivFatal(const char* format, ...) __attribute__((format(printf, 1, 2)));

// KIV_ERROR("Could not find resource '%s'.", key): a fatal error report.
#define KIV_ERROR(...)                                                                        \
    kivFatal("Error: %s\n Function: %s()\n File: %s\n Line: %d", formatString(__VA_ARGS__).c_str(), \
             __func__, __FILE__, __LINE__)

// KIV_ASSERT(condition): a broken assumption is fatal.
#define KIV_ASSERT(statement)                                                                      \
    ((statement) ? (void)0                                                                         \
                 : kivFatal("Error: %s\n Statement: %s\n Function: %s()\n File: %s\n Line: %d",   \
                            "Assertion failed.", #statement, __func__, __FILE__, __LINE__))
