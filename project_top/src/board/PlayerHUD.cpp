#include "PlayerHUD.h"

#include "AlarmClock.h"

PlayerHUD::PlayerHUD() : vitamins(new KivBase())
{
    addChildLast(vitamins);
}

PlayerHUD::~PlayerHUD()
{
    delete alarmClock;
}

void PlayerHUD::tick(double, double)
{
}

void PlayerHUD::render()
{
}

void PlayerHUD::addVitamin(Orb*)
{
}

void PlayerHUD::startAlarmClock(float)
{
}

void PlayerHUD::removeAlarmClock()
{
}

V3 PlayerHUD::getThermometerPosition(float) const
{
    return V3();
}

void PlayerHUD::thermometerFirework(float, UColor)
{
}
