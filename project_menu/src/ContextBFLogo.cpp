#include "ContextBFLogo.h"

ContextBFLogo::ContextBFLogo()
{
    bDeleteWhenFinished = true;
}

void ContextBFLogo::tickContents(double, double)
{
    bFinished = true;
}
