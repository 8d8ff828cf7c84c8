#include "KivBase.h"
#include "Packet.h"
#include "RuntimeClassManager.h"

#include <functional>
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
    EXPECT_EQ(in.readObjectRef(), &object);
    EXPECT_EQ(in.readObjectRef(), nullptr);
    EXPECT_EQ(in.readClassRef(), &KivBase::classRecord);
    const size_t padding = in.getBitsLeft();
    EXPECT_LT(padding, 8u);
    EXPECT_EQ(in.readBits(static_cast<int>(padding)), 0u) << "the last byte is padded with zero bits";
    EXPECT_FALSE(in.hasError());
}

// A message that runs short or breaks a value's rules sets the error flag;
// every later read then gives zero or empty.
TEST(Packet, ReadingPastTheEndOrBreakingTheRulesSetsTheErrorFlag)
{
    const struct {
        const char* what;
        std::vector<unsigned char> bytes;
        std::function<void(Packet&)> read;
    } cases[] = {
        {"bits past the end", {0xFF}, [](Packet& p) { p.readBits(9); }},
        {"unterminated variable-length integer", {0x80, 0x80}, [](Packet& p) { p.readVarUInt(); }},
        {"variable-length integer beyond 64 bits", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},
         [](Packet& p) { p.readVarUInt(); }},
        {"string longer than its limit", {5, 'h', 'e', 'l', 'l', 'o'}, [](Packet& p) { p.readString(4); }},
        {"string longer than the packet", {200, 1, 'x'}, [](Packet& p) { p.readString(1000); }},
        {"class number outside the array", {0xFF, 0xFF, 0x03}, [](Packet& p) { p.readClassRef(); }},
        {"object identifier -2", {0x03}, [](Packet& p) { p.readObjectUID(); }},
        {"int beyond 32 bits", {0x80, 0x80, 0x80, 0x80, 0x20}, [](Packet& p) {
             int32_t value = 7;
             p.serializeInt(value);
             EXPECT_EQ(value, 0);
         }},
    };
    RuntimeClassManager::getInstance().buildClassArray();
    for (const auto& c : cases) {
        Packet in(c.bytes.data(), c.bytes.size());
        c.read(in);
        EXPECT_TRUE(in.hasError()) << c.what;
        EXPECT_EQ(in.readBits(1), 0u) << c.what << ": later reads give zero";
    }
}

} // namespace
