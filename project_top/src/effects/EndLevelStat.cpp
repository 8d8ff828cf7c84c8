#include "EndLevelStat.h"

EndLevelStat::EndLevelStat(int, const std::string&, int)
{
}

void EndLevelStat::tick(double, double)
{
}
