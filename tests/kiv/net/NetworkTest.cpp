// The network wizard's connection test: the server's reply names the
// player's address as a dotted quad, and its token comes back as a UDP
// datagram on the port the test opened.
#include "NetAddress.h"
#include "UdpSocket.h"

#include <cstring>

#include <gtest/gtest.h>

namespace {

// A text that is not a whole address leaves the address as it was.
TEST(NetAddress, ParsesAndPrintsDottedQuads)
{
    const std::pair<const char*, const char*> good[] = {
        {"127.0.0.1:8080", "127.0.0.1:8080"}, {"10.1.2.3", "10.1.2.3:0"}, {"255.255.255.255:65535", "255.255.255.255:65535"}};
    for (const auto& [text, printed] : good) {
        NetAddress address;
        ASSERT_TRUE(address.parse(text)) << text;
        EXPECT_EQ(address.toString(), printed);
    }
    for (const char* bad : {"", "1.2.3", "256.1.1.1", "1.2.3.4:", "1.2.3.4:65536", "1.2.3.4:80x", "host:80"}) {
        NetAddress address(1, 2, 3, 4, 5);
        EXPECT_FALSE(address.parse(bad)) << bad;
        EXPECT_EQ(address, NetAddress(1, 2, 3, 4, 5)) << bad;
    }
}

// A datagram longer than the reader's buffer is refused whole, never cut to
// the buffer's size or copied past it.
TEST(UdpSocket, DatagramsTravelOverLoopbackAndOversizeOnesAreRefused)
{
    UdpSocket a, b;
    ASSERT_TRUE(a.open(NetAddress(127, 0, 0, 1, 0)));
    ASSERT_TRUE(b.open(NetAddress(127, 0, 0, 1, 0)));
    const NetAddress bAddress = b.getLocalAddress();
    char buffer[16];
    NetAddress from;
    EXPECT_EQ(b.receiveFrom(buffer, sizeof(buffer), from, 0), 0) << "nothing waiting";
    ASSERT_TRUE(a.sendTo(bAddress, "ping", 4));
    ASSERT_EQ(b.receiveFrom(buffer, sizeof(buffer), from, 2000), 4);
    EXPECT_EQ(std::memcmp(buffer, "ping", 4), 0);
    ASSERT_TRUE(a.sendTo(bAddress, "a datagram longer than the buffer", 33));
    EXPECT_EQ(b.receiveFrom(buffer, sizeof(buffer), from, 2000), -1);
}

} // namespace
