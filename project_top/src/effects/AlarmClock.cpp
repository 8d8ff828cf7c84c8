#include "AlarmClock.h"

#include "Kiv.h"
#include "ResourceManager.h"
#include "Sound.h"

AlarmClock::AlarmClock()
    : tickingChannel(pKiv->pResourceManager->findAs<Sound>("clockTick"))
{
}

AlarmClock::~AlarmClock()
{
    tickingChannel.stop();
}

void AlarmClock::start(float)
{
}

void AlarmClock::tick(double, double)
{
}

void AlarmClock::render()
{
}

void AlarmClock::onStateChange()
{
}
