#include "Explosion.h"

Explosion::Explosion(float, float, float, int, float, float, float, float, float)
{
}

void Explosion::tick(double, double)
{
}

void Explosion::render()
{
}
