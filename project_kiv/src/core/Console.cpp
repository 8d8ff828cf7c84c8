#include "Console.h"

#include "FontGDI.h"
#include "Kiv.h"
#include "KivInput.h"
#include "Logger.h"

#include <cstdio>

namespace {

constexpr int RETURN_KEY = 28;
constexpr int BACKSPACE_KEY = 14;
constexpr size_t SHOWN_LINES = 20;
constexpr int LINE_HEIGHT = 10;
constexpr size_t MAX_INPUT = 200;

} // namespace

Console::FontCacheHandler Console::fontCacheHandler = nullptr;

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
    char end = 0;
    if (std::sscanf(command.c_str(), "debug %d%c", &value, &end) == 1) {
        if (pKiv)
            pKiv->debugLevel = value;
        print("debugLevel = 0x%02x", value);
        return true;
    }
    if (std::sscanf(command.c_str(), "fontcache %d%c", &value, &end) == 1) {
        if (fontCacheHandler)
            fontCacheHandler(value);
        print("fontcache %s", value ? "on" : "off");
        return true;
    }
    print("Unknown command '%s'.", command.c_str());
    return false;
}

void Console::tick()
{
    KivInput* input = pKiv ? pKiv->pInput : nullptr;
    if (!input || !pKiv->bDebugOutput)
        return;
    // The frame's key press, so that typing reaches the line in order.
    const int code = input->getPressedKey();
    if (code == TOGGLE_KEY) {
        bShown = !bShown;
        inputLine.clear();
        return;
    }
    if (!bShown)
        return;
    if (code == RETURN_KEY) {
        if (!inputLine.empty())
            execute(inputLine);
        inputLine.clear();
    } else if (code == BACKSPACE_KEY) {
        if (!inputLine.empty())
            inputLine.pop_back();
    } else if (int typed = input->getKeyChar(code); typed >= 32 && inputLine.size() < MAX_INPUT) {
        inputLine += static_cast<char>(typed);
    }
}

void Console::render()
{
    if (!bShown || !pKiv || !pKiv->pFontGDI)
        return;
    size_t first = history.size() > SHOWN_LINES ? history.size() - SHOWN_LINES : 0;
    int y = 60;
    for (size_t i = first; i < history.size(); ++i, y += LINE_HEIGHT)
        pKiv->pFontGDI->printf(0, y, "%s", history[i].c_str());
    pKiv->pFontGDI->printf(0, y, "> %s_", inputLine.c_str());
}
