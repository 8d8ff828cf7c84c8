#include "ContextLogo.h"

ContextLogo::ContextLogo()
{
    bDeleteWhenFinished = true;
}

void ContextLogo::tickContents(double, double)
{
    bFinished = true;
}
