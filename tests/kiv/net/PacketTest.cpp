#include "KivBase.h"
#include "Packet.h"
#include "RuntimeClassManager.h"

#include <gtest/gtest.h>

namespace {

TEST(Packet, ReadingPastTheEndOrBreakingTheRulesSetsTheErrorFlag)
{
    struct Case {
        const char* what;
        std::vector<unsigned char> bytes;
        std::function<void(Packet&)> read;
    };
    const Case cases[] = {
        {"bits past the end", {0xFF}, [](Packet& p) { p.readBits(9); }},
        {"unterminated variable-length integer", {0x80, 0x80}, [](Packet& p) { p.readVarUInt(); }},
        {"string longer than its limit", {5, 'h', 'e', 'l', 'l', 'o'}, [](Packet& p) { p.readString(4); }},
        {"class number outside the array", {0xFF, 0xFF, 0x03}, [](Packet& p) { p.readClassRef(); }},
        {"int beyond 32 bits", {0x80, 0x80, 0x80, 0x80, 0x20}, [](Packet& p) {
             int32_t value = 7;
             p.serializeInt(value);
             EXPECT_EQ(value, 0);
         }},
    };
    RuntimeClassManager::getInstance().buildClassArray();
    for (const Case& c : cases) {
        Packet in(c.bytes.data(), c.bytes.size());
        c.read(in);
        EXPECT_TRUE(in.hasError()) << c.what;
        EXPECT_EQ(in.readBits(1), 0u) << c.what << ": later reads give zero";
        EXPECT_EQ(in.readString(10), "") << c.what;
    }
}

} // namespace
