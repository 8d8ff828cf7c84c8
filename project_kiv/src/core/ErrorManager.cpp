#include "ErrorManager.h"

#include "ApplicationInfo.h"
#include "DataFolder.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "KivInput.h"
#include "Logger.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <unistd.h>

namespace {

// Enough for what the report needs (its text, the log's lines, the standard
// streams' buffers), far from a screenshot's worth.
constexpr size_t REPORT_RESERVE_BYTES = 1024 * 1024;
std::atomic<char*> reportReserve{nullptr};

// Set by the first thread that begins a fatal report.
std::atomic<bool> bReportBegun{false};
thread_local bool bReportingThread = false;

// Returns on the thread that makes the report, with the reserve given back
// for it. Any other thread that fails while it is being made waits here for
// it to end the process, rather than racing it with a report (or an
// uncaught exception) of its own.
void beginReport()
{
    if (bReportingThread)
        return;
    if (bReportBegun.exchange(true)) {
        for (;;)
            pause();
    }
    bReportingThread = true;
    delete[] reportReserve.exchange(nullptr);
}

// A handler rather than a catch of std::bad_alloc around the frame: it runs
// where the allocation failed, on whichever thread, also at start-up, at
// shutdown and in a destructor, where an exception could only end in
// std::terminate with no report. Where that was is not known here, so the
// report names no place. It stays installed: an allocation failing on the
// reporting thread while the report is made (the crash screenshot's) comes
// back as std::bad_alloc and leaves out just that part, and one on another
// thread waits for the report.
void onFailedAllocation()
{
    if (bReportingThread)
        throw std::bad_alloc();
    kivFatal("%s", "Error: Out of memory.");
}

} // namespace

void makeFailedAllocationsFatal()
{
    delete[] reportReserve.exchange(new char[REPORT_RESERVE_BYTES]);
    std::set_new_handler(onFailedAllocation);
}

ErrorManager::ErrorManager() : mainThread(std::this_thread::get_id())
{
    KIV_LOG("Starting...");
    KIV_LOG("Started.");
}

void ErrorManager::error(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    verror(format, args);
}

void ErrorManager::verror(const char* format, va_list args)
{
    beginReport();
    UString report;
    vformatInto(report, format, args);
    bool firstReport = !bReporting;
    bReporting = true;
    if (pKiv)
        pKiv->bShuttingDown = true;
    if (firstReport && std::this_thread::get_id() == mainThread)
        releaseDisplay();
    Logger* logger = pKiv ? pKiv->pLogger : nullptr;
    if (logger)
        logger->log("%s(): %s", "error", report.c_str());
    printReport(report);
    if (logger) {
        logger->log("%s(): %s", "error", "Forced exit.");
        logger->keepAs(getCrashLogPath());
    }
    std::_Exit(-1);
}

// Standard output is where the report has always gone; standard error is
// where a player starting the game from a terminal, or a script, looks.
void ErrorManager::printReport(const UString& report)
{
    std::printf("*** ERROR *** %s\n", report.c_str());
    std::fflush(stdout);
    std::fprintf(stderr, "*** ERROR *** %s\n", report.c_str());
    std::fflush(stderr);
}

void ErrorManager::releaseDisplay()
{
    KivGraphics* graphics = pKiv ? pKiv->pGraphics : nullptr;
    // Without an open display there is no grab, cursor or frame to handle;
    // and a forked child shares its parent's display connection: any request
    // from it would corrupt the parent's stream.
    if (!graphics || !graphics->isDisplayProcess())
        return;
    if (pKiv->pInput)
        pKiv->pInput->releaseForFatalError();
    // A crash screenshot that cannot be written (or made, for want of
    // memory) is left out; the report matters more.
    UString ignored;
    graphics->saveScreenshot(getCrashScreenshotPath(), ignored);
    if (graphics->bFullScreen) {
        graphics->bFullScreen = false;
        graphics->restorePresentation();
    }
    graphics->onFatalError();
}

UString ErrorManager::getCrashLogPath()
{
    return getDataFolder() + "/crash." + APPLICATION_NAME + ".log";
}

UString ErrorManager::getCrashScreenshotPath()
{
    return getDataFolder() + "/crash." + APPLICATION_NAME + ".jpg";
}

const char* ErrorManager::glErrorToString(unsigned int code)
{
    switch (code) {
    case 0: return "GL_NO_ERROR";
    case 0x0500: return "GL_INVALID_ENUM";
    case 0x0501: return "GL_INVALID_VALUE";
    case 0x0502: return "GL_INVALID_OPERATION";
    case 0x0503: return "GL_STACK_OVERFLOW";
    case 0x0504: return "GL_STACK_UNDERFLOW";
    case 0x0505: return "GL_OUT_OF_MEMORY";
    default: return "Unknown error.";
    }
}

void kivFatal(const char* format, ...)
{
    beginReport();
    va_list args;
    va_start(args, format);
    if (pKiv && pKiv->pErrorManager)
        pKiv->pErrorManager->verror(format, args);
    UString report;
    vformatInto(report, format, args);
    va_end(args);
    if (pKiv && pKiv->pLogger)
        pKiv->pLogger->log("%s(): %s", "error", report.c_str());
    ErrorManager::printReport(report);
    std::_Exit(-1);
}

void kivFatalStatement(const char* error, const char* statement, const char* function, const char* file, int line)
{
    kivFatal("Error: %s\n Statement: %s\n Function: %s()\n File: %s\n Line: %d", error, statement, function, file,
             line);
}
