#pragma once
// ErrorManager: the fatal error report. Broken assumptions and unrecoverable
// failures end the process here; input from disk or the network must be
// checked by its reader and never reach this for a recoverable fault.
// Owned by Kiv (started right after SDL video). Any thread may call it: on
// the main thread it releases the mouse, saves a crash screenshot and leaves
// full screen before reporting; on any other thread (SDL's audio callback) it
// only logs, prints and exits, never touching video or input; so does a
// forked child process, which shares the parent's display connection. The
// first thread to fail makes the report; another that fails (or runs out of
// memory) while it is made waits for it to end the process.
//
// Files: the crash screenshot "crash.Glimmerdaledemo.jpg" and the crash log
// "crash.Glimmerdaledemo.log" (the run's log, kept under that name), both in
// the data folder; the crash-report screen looks for the latter.
#include "UString.h"

#include <thread>

class ErrorManager {
public:
    // Remembers the calling thread as the main thread.
    ErrorManager();
    ErrorManager(const ErrorManager&) = delete;
    ErrorManager& operator=(const ErrorManager&) = delete;

    // Sets the engine's shutdown flag, releases the mouse, saves the crash
    // screenshot, leaves full screen, logs the report under "error", prints
    // "*** ERROR *** %s\n" on standard output and standard error, logs
    // "Forced exit.", keeps the log as the crash log and exits with status -1.
    [[noreturn]] void error(const char* format, ...) __attribute__((format(printf, 2, 3)));
    [[noreturn]] void verror(const char* format, va_list args);
    static const char* glErrorToString(unsigned int code);
    static UString getCrashLogPath();
    static UString getCrashScreenshotPath();
    // "*** ERROR *** %s\n" on standard output and standard error.
    static void printReport(const UString& report);

private:
    void releaseDisplay();

    std::thread::id mainThread;
    // A fatal error raised while reporting one goes straight to the exit.
    bool bReporting = false;
};

// Reports through the engine's error manager when one exists. Before it
// exists (or in a tool without an engine) the report is printed
// with "*** ERROR *** %s\n" on standard output and standard error, and the
// process exits with the same status -1.
[[noreturn]] void kivFatal(const char* format, ...) __attribute__((format(printf, 1, 2)));
// From then on an allocation that fails (operator new, on any thread) is a
// fatal error reported as "Error: Out of memory.", naming no place. Memory
// set aside here (1 MiB) is given back as any fatal report begins. While a
// fatal report is made, an allocation that fails on its own thread comes
// back as std::bad_alloc (the crash screenshot is left out when it cannot be
// made), and one on another thread waits for the report. Called once, at the
// program's start.
void makeFailedAllocationsFatal();
// The report of a statement that failed, with the library's own error text
// (KIV_ASSERT gives "Assertion failed.") and the caller's function name.
[[noreturn]] void kivFatalStatement(const char* error, const char* statement, const char* function, const char* file,
                                    int line);

// KIV_ERROR("Could not find resource '%s'.", key): a fatal error report.
#define KIV_ERROR(...)                                                                        \
    kivFatal("Error: %s\n Function: %s()\n File: %s\n Line: %d", formatString(__VA_ARGS__).c_str(), \
             __func__, __FILE__, __LINE__)

// KIV_ASSERT(condition): a broken assumption is fatal.
#define KIV_ASSERT(statement)                                                                      \
    ((statement) ? (void)0 : kivFatalStatement("Assertion failed.", #statement, __func__, __FILE__, __LINE__))
