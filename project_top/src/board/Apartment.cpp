#include "Apartment.h"

Apartment::Apartment(float, float, float, int, int, KivBase*)
{
}

void Apartment::setAwayNote(bool)
{
}

void Apartment::tick(double, double)
{
}

void Apartment::render()
{
}
