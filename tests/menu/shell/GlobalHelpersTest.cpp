#include "Global.h"

#include <gtest/gtest.h>

#include <cstdlib>

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

// Each of the six mixes of full channels (never none, never all three: no
// grey, no white) comes up a sixth of the time, and a channel that is not
// full takes each level from 0 to 128 a fifth of the time.
TEST(GlobalHelpers, RandomBrightColorsMixEvenly)
{
    std::srand(11);
    const int draws = 6000;
    int mixes[8] = {};
    int levels[3][5] = {};
    int dim[3] = {};
    for (int i = 0; i < draws; ++i) {
        const UColor colour = randomBrightColor();
        ASSERT_EQ(colour.a, 255);
        const uint8_t channels[3] = {colour.r, colour.g, colour.b};
        int mix = 0;
        for (int channel = 0; channel < 3; ++channel) {
            if (channels[channel] == 255) {
                mix |= 1 << channel;
                continue;
            }
            ASSERT_EQ(channels[channel] % 32, 0) << "channel " << channel;
            ASSERT_LE(channels[channel], 128) << "channel " << channel;
            ++levels[channel][channels[channel] / 32];
            ++dim[channel];
        }
        ++mixes[mix];
    }
    EXPECT_EQ(mixes[0], 0);
    EXPECT_EQ(mixes[7], 0);
    for (int mix = 1; mix <= 6; ++mix)
        EXPECT_NEAR(mixes[mix], draws / 6, draws / 60) << "full channels " << mix << " (bit 0 red, 1 green, 2 blue)";
    for (int channel = 0; channel < 3; ++channel)
        for (int level = 0; level < 5; ++level)
            EXPECT_NEAR(levels[channel][level], dim[channel] / 5, dim[channel] / 25)
                << "channel " << channel << " at " << level * 32;
}

}
