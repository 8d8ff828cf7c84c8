#include "MD5Digest.h"
#include "MemoryStream.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace {

std::string hex(const MD5Digest& digest)
{
    char text[33];
    digest.toHex(text);
    return text;
}

TEST(MD5Digest, MatchesTheRfc1321TestSuite)
{
    const std::pair<const char*, const char*> suite[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const auto& entry : suite)
        EXPECT_EQ(hex(MD5Digest::ofBytes(entry.first, std::strlen(entry.first))), entry.second) << entry.first;
}

TEST(MemoryStream, WritesStopAtTheLimit)
{
    MemoryStream stream(8);
    EXPECT_EQ(stream.write("hello", 5), 5u);
    EXPECT_EQ(stream.write("world", 5), 0u) << "would pass the limit";
    EXPECT_EQ(stream.getBytes(), "hello");
}

// The keyed digest (the high-score tables' signature) is that of the key's
// four bytes, lowest first, followed by the data.
TEST(MD5Digest, KeyedAndPlainInputsAgreeAcrossBlockBoundaries)
{
    for (size_t length : {0u, 56u, 60u, 64u, 120u}) {
        const std::string text(length, 'q');
        const std::string withKey = std::string("\x01\x02\x03\x04", 4) + text;
        EXPECT_EQ(hex(MD5Digest(0x04030201, text.data(), text.size())),
                  hex(MD5Digest::ofBytes(withKey.data(), withKey.size())))
            << length;
    }
}

TEST(MemoryStream, ReadsFollowSeeksWithinTheDataAndACopyTakesTheWholeSource)
{
    MemoryStream stream;
    stream.write("hello", 5);
    EXPECT_FALSE(stream.seek(6));
    ASSERT_TRUE(stream.seek(1));
    char got[8] = {};
    EXPECT_EQ(stream.read(got, sizeof(got)), 4u);
    EXPECT_STREQ(got, "ello");
    MemoryStream copy;
    EXPECT_TRUE(copy.writeAll(stream));
    EXPECT_EQ(copy.getBytes(), "hello");
}

} // namespace
