#include "Coin.h"

Coin::Coin(float, float, float, int)
{
}

void Coin::tick(double, double)
{
}

void Coin::collect()
{
}
