#include "Global.h"

#include <gtest/gtest.h>

namespace {

TEST(GlobalHelpers, FormatNumberGroupsDigitsFromTheRight)
{
    struct Case { int value; const char* separator; const char* text; };
    const Case cases[] = {
        {999, ",", "999"},        {1000, ",", "1,000"},          {-123456, ",", "-123,456"},
        {-2147483647 - 1, ",", "-2,147,483,648"},                {1234567, " . ", "1 . 234 . 567"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Global::formatNumber(c.value, c.separator), c.text) << c.value;
}

// The puzzle's clash count rests on it, the lowest and the highest bit included.
TEST(GlobalHelpers, CountBits)
{
    struct Case { uint32_t mask; int bits; };
    const Case cases[] = {{0, 0}, {1, 1}, {0x80000000u, 1}, {0xFFFFFFFFu, 32}, {6, 2}};
    for (const Case& c : cases)
        EXPECT_EQ(Global::countBits(c.mask), c.bits) << std::hex << c.mask;
}

}
