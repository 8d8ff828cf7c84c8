#include "rules/RandomSource.h"

double RandomSource::fraction()
{
    return (next() & 0xFFFF) / 65536.0;
}

int RandomSource::below(int n)
{
    return next() % n;
}

bool RandomSource::heads()
{
    return (next() & 1) == 0;
}
