#include "ErrorManager.h"

#include "ApplicationInfo.h"
#include "DataFolder.h"
#include "Kiv.h"
#include "Logger.h"

#include <cstdio>
#include <cstdlib>

ErrorManager::ErrorManager() = default;

void ErrorManager::error(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    verror(format, args);
}

void ErrorManager::verror(const char* format, va_list args)
{
    UString report;
    vformatInto(report, format, args);
    if (pKiv)
        pKiv->bShuttingDown = true;
    if (pKiv && pKiv->pLogger)
        pKiv->pLogger->log("%s(): %s", "error", report.c_str());
    std::printf("*** ERROR *** %s\n", report.c_str());
    std::fflush(stdout);
    if (pKiv && pKiv->pLogger) {
        pKiv->pLogger->log("%s(): %s", "error", "Forced exit.");
        pKiv->pLogger->keepAs(getDataFolder() + "/crash." + APPLICATION_NAME + ".log");
    }
    std::_Exit(-1);
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
    va_list args;
    va_start(args, format);
    if (pKiv && pKiv->pErrorManager)
        pKiv->pErrorManager->verror(format, args);
    UString report;
    vformatInto(report, format, args);
    va_end(args);
    std::printf("*** ERROR *** %s\n", report.c_str());
    std::fflush(stdout);
    std::_Exit(-1);
}
