#include "rules/StandardRandom.h"

#include <cstdlib>

int StandardRandom::next()
{
    return std::rand();
}

StandardRandom& StandardRandom::shared()
{
    static StandardRandom source;
    return source;
}
