#include "Global.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(GlobalHelpers, FormatNumberGroupsDigitsFromTheRight)
{
    struct Case {
        int value;
        const char* separator;
        const char* text;
    };
    const Case cases[] = {
        {0, ",", "0"},
        {999, ",", "999"},
        {1000, ",", "1,000"},
        {1234567, ",", "1,234,567"},
        {-1234, ",", "-1,234"},
        {-123, ",", "-123"},
        {-123456, ",", "-123,456"},
        {-2147483647 - 1, ",", "-2,147,483,648"},
        {1234567, "", "1234567"},
        {1234567, " . ", "1 . 234 . 567"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Global::formatNumber(c.value, c.separator), c.text) << c.value;
}

TEST(GlobalHelpers, CountBits)
{
    struct Case {
        uint32_t mask;
        int bits;
    };
    const Case cases[] = {{0, 0}, {1, 1}, {0x80000000u, 1}, {0xFFFFFFFFu, 32}, {0x0F0F0F0Fu, 16}, {6, 2}};
    for (const Case& c : cases)
        EXPECT_EQ(Global::countBits(c.mask), c.bits) << std::hex << c.mask;
}

TEST(GlobalHelpers, RandomBrightColorIsNeverWhiteOrGrey)
{
    std::srand(3);
    for (int i = 0; i < 2000; ++i) {
        const UColor color = randomBrightColor();
        ASSERT_EQ(color.a, 255);
        int full = 0;
        int dim = 0;
        for (uint8_t channel : {color.r, color.g, color.b}) {
            if (channel == 255)
                ++full;
            else if (channel <= 128 && channel % 32 == 0)
                ++dim;
        }
        ASSERT_EQ(full + dim, 3) << "every channel is 255 or one of 0, 32, 64, 96, 128";
        ASSERT_GE(full, 1);
        ASSERT_GE(dim, 1);
    }
}

}
