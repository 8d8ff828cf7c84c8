#pragma once
// Logger: one log file per run in the data folder (Glimmerdaledemo.log),
// truncated at start (a link at its name, a file that another name links
// to, or one this user may not write, is replaced by a new file; the other
// file is left alone). Every line is prefixed with "+<ms>\t" (milliseconds
// since the previous line) or with "\t" alone for the first line and when no
// millisecond has passed. Callers write "%s(): %s" lines through KIV_LOG or
// kivLog. A log file that cannot be opened or written (a full disk, a
// file-size limit) is given up, saying so once on standard error, and the
// lines go to standard error from then on. Owned by Kiv, the first service it
// starts and the last it stops. Main thread, and the audio thread on fatal
// errors.
#include "UString.h"

#include <cstdint>
#include <cstdio>

class Logger {
public:
    // Opens (truncates) the file, never through a link; an empty name logs
    // nowhere, an unwritable one to standard error.
    explicit Logger(const UString& fileName);
    ~Logger();
    Logger(const Logger&) = delete;
    Logger& operator=(const Logger&) = delete;

    void log(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // A line the player must see even without reading the log: logged, and
    // also printed on standard error as "<application>: <message>" (once,
    // when the log itself goes there).
    void report(const UString& line, const UString& message);
    // Closes the file and renames it to crashFileName; later lines are dropped.
    void keepAs(const UString& crashFileName);
    bool isOpen() const { return pFile != nullptr; }

    const UString fileName;

private:
    void write(const UString& line);
    void fallBackToStandardError(int problem);

    FILE* pFile = nullptr;
    bool bStandardError = false;
    bool bFirstLine = true;
    uint32_t lastTicks = 0;
};

// Writes "label(): message" through the engine's logger when it exists.
void kivLog(const char* label, const char* format, ...) __attribute__((format(printf, 2, 3)));
#define KIV_LOG(...) kivLog(__func__, __VA_ARGS__)
// The same line through Logger::report: on standard error too, also when no
// engine (and so no log) exists.
void kivReport(const char* label, const char* format, ...) __attribute__((format(printf, 2, 3)));
#define KIV_REPORT(...) kivReport(__func__, __VA_ARGS__)
