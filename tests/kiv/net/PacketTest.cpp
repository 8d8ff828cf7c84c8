#include "KivBase.h"
#include "Packet.h"
#include "RuntimeClassManager.h"

#include <limits>

#include <gtest/gtest.h>

namespace {

TEST(Packet, EveryFieldKindRoundTripsInOrder)
{
    KivBase object;
    object.objectUID = 4711;
    RuntimeClassManager::getInstance().buildClassArray();

    Packet out;
    out.writeBits(5, 3);
    out.writeBool(true);
    out.writeVarUInt(std::numeric_limits<uint64_t>::max());
    out.writeVarInt(std::numeric_limits<int64_t>::min());
    out.writeHalf(1.5f);
    out.writeFloat(-3.25e7f);
    out.writeString("Glimmerdale");
    out.writeBytes("\x00\xFF", 2);
    out.writeObjectRef(&object);
    out.writeObjectRef(nullptr);
    out.writeClassRef(&KivBase::classRecord);

    Packet in(out.getBytes().data(), out.getBytes().size());
    in.setObjectResolver([&](int32_t uid) { return uid == 4711 ? &object : nullptr; });
    EXPECT_EQ(in.readBits(3), 5u);
    EXPECT_TRUE(in.readBool());
    EXPECT_EQ(in.readVarUInt(), std::numeric_limits<uint64_t>::max());
    EXPECT_EQ(in.readVarInt(), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(in.readHalf(), 1.5f);
    EXPECT_EQ(in.readFloat(), -3.25e7f);
    EXPECT_EQ(in.readString(100), "Glimmerdale");
    unsigned char two[2];
    EXPECT_TRUE(in.readBytes(two, 2));
    EXPECT_EQ(two[0], 0x00);
    EXPECT_EQ(two[1], 0xFF);
    EXPECT_EQ(in.readObjectRef(), &object);
    EXPECT_EQ(in.readObjectRef(), nullptr);
    EXPECT_EQ(in.readClassRef(), &KivBase::classRecord);
    EXPECT_FALSE(in.hasError());
    EXPECT_LT(in.getBitsLeft(), 8u) << "only padding is left";
}

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
        {"object identifier below -1", {0x05}, [](Packet& p) { p.readObjectUID(); }},
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
