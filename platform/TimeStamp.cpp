#include "TimeStamp.h"

#include <ctime>

void TimeStamp::setNow()
{
    seconds = static_cast<int64_t>(std::time(nullptr));
}
