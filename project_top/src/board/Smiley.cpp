#include "Smiley.h"

#include "AlarmClock.h"
#include "CircleScore2.h"

Smiley::Smiley() = default;

Smiley::~Smiley()
{
    delete alarmClock;
    delete bubble;
}

void Smiley::tick(double, double)
{
}

void Smiley::render()
{
}

void Smiley::applyXform(Matrix& matrix)
{
    Renderable::applyXform(matrix);
}

void Smiley::updateVisuals()
{
    Renderable::updateVisuals();
}

void Smiley::renderExtras()
{
}

void Smiley::onStateChange()
{
}

void Smiley::setScale(V3)
{
}

void Smiley::dismiss()
{
}

void Smiley::addFeature(Feature*)
{
}

bool Smiley::canMatch(Smiley*, bool)
{
    return false;
}

void Smiley::leave(bool)
{
}

void Smiley::holdBreath(double)
{
}

void Smiley::showMultiplierBubble(int, double)
{
}

int Smiley::collectMatchReward()
{
    return 0;
}

void Smiley::dropCoin(double)
{
}

void Smiley::addShadow()
{
}

void Smiley::addCloud()
{
}
