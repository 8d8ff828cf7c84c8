#include "FontGDI.h"

#include "Logger.h"

FontGDI::FontGDI()
{
    KIV_LOG("Starting...");
    KIV_LOG("Started.");
}

FontGDI::~FontGDI() = default;
