#include "Logger.h"

#include "Kiv.h"
#include "Ticks.h"

#include <cstdarg>

Logger::Logger(const UString& name) : fileName(name)
{
    if (!fileName.empty())
        pFile = std::fopen(fileName.c_str(), "w");
    log("%s(): %s", "Logger", "Starting...");
    log("%s(): %s", "Logger", "Started.");
}

Logger::~Logger()
{
    if (pFile)
        std::fclose(pFile);
}

void Logger::log(const char* format, ...)
{
    if (!pFile)
        return;
    UString message;
    va_list args;
    va_start(args, format);
    vformatInto(message, format, args);
    va_end(args);
    uint32_t now = getTicks();
    unsigned long elapsed = now - lastTicks;
    lastTicks = now;
    if (bFirstLine || elapsed == 0)
        std::fprintf(pFile, "\t%s\n", message.c_str());
    else
        std::fprintf(pFile, "+%lu\t%s\n", elapsed, message.c_str());
    bFirstLine = false;
    // Flushed line by line: the log must survive a crash or a forced exit.
    std::fflush(pFile);
}

void Logger::keepAs(const UString& crashFileName)
{
    if (!pFile)
        return;
    std::fclose(pFile);
    pFile = nullptr;
    std::rename(fileName.c_str(), crashFileName.c_str());
}

void kivLog(const char* label, const char* format, ...)
{
    if (!pKiv || !pKiv->pLogger)
        return;
    UString message;
    va_list args;
    va_start(args, format);
    vformatInto(message, format, args);
    va_end(args);
    pKiv->pLogger->log("%s(): %s", label, message.c_str());
}
