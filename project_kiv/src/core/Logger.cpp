#include "Logger.h"

#include "ApplicationInfo.h"
#include "Kiv.h"
#include "Ticks.h"
#include "WritableFile.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>

Logger::Logger(const UString& name) : fileName(name)
{
    if (!fileName.empty()) {
        pFile = openWritableStream(fileName, TakenName::REPLACE);
        if (!pFile)
            fallBackToStandardError(errno);
    }
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
    if (!pFile && !bStandardError)
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
        write(formatString("\t%s\n", message.c_str()));
    else
        write(formatString("+%lu\t%s\n", elapsed, message.c_str()));
    bFirstLine = false;
}

void Logger::write(const UString& line)
{
    if (pFile) {
        // Flushed line by line: the log must survive a crash or a forced exit.
        if (std::fputs(line.c_str(), pFile) >= 0 && std::fflush(pFile) == 0)
            return;
        fallBackToStandardError(errno);
    }
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
}

void Logger::fallBackToStandardError(int problem)
{
    if (pFile)
        std::fclose(pFile);
    pFile = nullptr;
    bStandardError = true;
    std::fprintf(stderr, "%s: the log '%s' cannot be written (%s); it continues here.\n", APPLICATION_NAME,
                 fileName.c_str(), std::strerror(problem));
}

void Logger::report(const UString& line, const UString& message)
{
    log("%s", line.c_str());
    if (!bStandardError) {
        std::fprintf(stderr, "%s: %s\n", APPLICATION_NAME, message.c_str());
        std::fflush(stderr);
    }
}

void Logger::keepAs(const UString& crashFileName)
{
    bStandardError = false;
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

void kivReport(const char* label, const char* format, ...)
{
    UString message;
    va_list args;
    va_start(args, format);
    vformatInto(message, format, args);
    va_end(args);
    if (pKiv && pKiv->pLogger) {
        pKiv->pLogger->report(formatString("%s(): %s", label, message.c_str()), message);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", APPLICATION_NAME, message.c_str());
    std::fflush(stderr);
}
