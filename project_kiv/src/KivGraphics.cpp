#include "KivGraphics.h"

#include "Logger.h"

KIV_IMPLEMENT_CLASS(KivGraphics, KivBase, nullptr);

KivGraphics::KivGraphics()
{
    KIV_LOG("Starting...");
    KIV_LOG("Started.");
}

KivGraphics::~KivGraphics() = default;
