#include "Clown.h"

Clown::Clown() = default;

void Clown::tick(double, double)
{
}

void Clown::dismiss()
{
}
