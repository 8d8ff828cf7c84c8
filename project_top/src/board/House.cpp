#include "House.h"

House::House() = default;

void House::create(float, int, int, KivBase*)
{
}

Apartment* House::getApartmentByXY(int, int) const
{
    return nullptr;
}

V3 House::getCameraPosition() const
{
    return V3();
}
