#include "Firework.h"

Firework::Firework(float, float, float, int, float, float, float, float, float, UColor)
{
}

void Firework::tick(double, double)
{
}

void Firework::render()
{
}
