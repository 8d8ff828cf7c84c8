#pragma once
// What a rule's random draws came to over many draws on a fixed seed: the
// least and greatest value of a random interval, to show that the interval
// is reached near both its ends and not only kept within them (a narrowed
// interval still stays within its bounds); and the count of draws that a
// chance let through, against the count its formula gives (a chance tested
// only at 0 and 1 gives the same count for a wrong factor). Used by the game
// tests; plain values, any thread.
//
//   DrawnRange delay;
//   for (...) delay.add(smiley->stateLeft);
//   EXPECT_TRUE(spans(delay, 1.0, 4.0)) << "a newcomer's delay";
//   EXPECT_TRUE(countNear(clowns, 0.1 * draws)) << "clowns";
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace testsupport {

struct DrawnRange {
    void add(double value)
    {
        least = std::min(least, value);
        most = std::max(most, value);
        ++count;
    }

    double least = std::numeric_limits<double>::infinity();
    double most = -std::numeric_limits<double>::infinity();
    int count = 0;
};

// Every draw within [low, high], the least within margin (a share of the
// interval's width) of low and the greatest within it of high.
inline testing::AssertionResult spans(const DrawnRange& drawn, double low, double high, double margin = 0.05)
{
    const double near = margin * (high - low);
    if (drawn.count > 0 && drawn.least >= low && drawn.most <= high && drawn.least <= low + near &&
        drawn.most >= high - near)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << drawn.count << " draws from " << drawn.least << " to " << drawn.most
                                       << "; the rule's interval is " << low << " to " << high
                                       << ", to be reached within " << near << " of each end";
}

// A count of independent draws that succeeded, within four standard
// deviations of the expected count (the deviation is at most its square
// root): on a few hundred expected successes a chance off by a quarter falls
// outside.
inline testing::AssertionResult countNear(int count, double expected)
{
    const double tolerance = 4.0 * std::sqrt(expected);
    if (std::fabs(count - expected) <= tolerance)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << count << " came where the rule's chance gives " << expected << " (within "
                                       << tolerance << ")";
}

} // namespace testsupport
