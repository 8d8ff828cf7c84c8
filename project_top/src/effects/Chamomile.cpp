#include "Chamomile.h"

#include "BendQuad.h"

Chamomile::Chamomile() = default;

Chamomile::~Chamomile()
{
    delete bendQuad;
}

void Chamomile::tick(double, double)
{
}
