#include "KivAudio.h"

#include "Logger.h"

KivAudio::KivAudio()
{
    KIV_LOG("Starting...");
    KIV_LOG("Started.");
}

KivAudio::~KivAudio() = default;
