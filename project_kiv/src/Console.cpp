#include "Console.h"

#include "Kiv.h"
#include "Logger.h"

#include <cstdio>

Console::Console()
{
    KIV_LOG("Starting...");
    KIV_LOG("Started.");
}

void Console::print(const char* format, ...)
{
    UString line;
    va_list args;
    va_start(args, format);
    vformatInto(line, format, args);
    va_end(args);
    history.push_back(line);
    while (history.size() > HISTORY_SIZE)
        history.pop_front();
    kivLog("Console", "%s", line.c_str());
}

bool Console::execute(const UString& command)
{
    int value = 0;
    if (std::sscanf(command.c_str(), "debug %d", &value) == 1) {
        if (pKiv)
            pKiv->debugLevel = value;
        return true;
    }
    return false;
}

void Console::tick()
{
}

void Console::render()
{
}
