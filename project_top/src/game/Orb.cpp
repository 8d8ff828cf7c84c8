#include "Orb.h"

Orb::Orb(int vitaminKind) : kind(vitaminKind) {}

Orb::~Orb() = default;

void Orb::tick(double, double) {}

void Orb::render() {}

bool Orb::isInside(float, float) const
{
    return false;
}

void Orb::activate() {}
