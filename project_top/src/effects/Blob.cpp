#include "Blob.h"

Blob::Blob(float, float, float, float, float, float, double, float)
{
}

void Blob::tick(double, double)
{
}
