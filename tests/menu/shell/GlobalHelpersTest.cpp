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

}
