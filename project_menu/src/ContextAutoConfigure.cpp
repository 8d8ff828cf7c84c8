#include "ContextAutoConfigure.h"

ContextAutoConfigure::ContextAutoConfigure()
{
    bDeleteWhenFinished = true;
}

void ContextAutoConfigure::tickContents(double, double)
{
    bFinished = true;
}
