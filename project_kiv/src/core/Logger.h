#pragma once
// Logger: one log file per run in the data folder (Glimmerdaledemo.log),
// truncated at start. Every line is prefixed with "+<ms>\t" (milliseconds
// since the previous line) or with "\t" alone for the first line and when no
// millisecond has passed. Callers write "%s(): %s" lines through KIV_LOG or
// kivLog. Owned by Kiv, the first service it starts and the last it stops.
// Main thread, and the audio thread on fatal errors.
#include "UString.h"

#include <cstdint>
#include <cstdio>

class Logger {
public:
    // Opens (truncates) the file; an empty or unwritable name logs nowhere.
    explicit Logger(const UString& fileName);
    ~Logger();
    Logger(const Logger&) = delete;
    Logger& operator=(const Logger&) = delete;

    // Nothing is written while the file is not open.
    void log(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Closes the file and renames it to crashFileName; later lines are dropped.
    void keepAs(const UString& crashFileName);
    bool isOpen() const { return pFile != nullptr; }

    const UString fileName;

private:
    FILE* pFile = nullptr;
    bool bFirstLine = true;
    uint32_t lastTicks = 0;
};

// Writes "label(): message" through the engine's logger when it exists.
void kivLog(const char* label, const char* format, ...) __attribute__((format(printf, 2, 3)));
#define KIV_LOG(...) kivLog(__func__, __VA_ARGS__)
