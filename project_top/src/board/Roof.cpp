#include "Roof.h"

Roof::Roof() = default;

void Roof::render()
{
}

void Roof::build(float, float, float, int, int)
{
}
