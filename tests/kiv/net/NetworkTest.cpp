#include "Kiv.h"
#include "KivBase.h"
#include "NetAddress.h"
#include "NetworkManager.h"
#include "Packet.h"
#include "ResourceManager.h"
#include "TemporaryFolder.h"
#include "UdpSocket.h"
#include "WholeFile.h"

#include <cstring>
#include <filesystem>

#include <gtest/gtest.h>

namespace {

TEST(NetAddress, ParsesAndPrintsDottedQuads)
{
    const std::pair<const char*, const char*> good[] = {
        {"10.1.2.3", "10.1.2.3:0"}, {"255.255.255.255:65535", "255.255.255.255:65535"}};
    for (const auto& c : good) {
        NetAddress address;
        ASSERT_TRUE(address.parse(c.first)) << c.first;
        EXPECT_EQ(address.toString(), c.second);
    }
    EXPECT_EQ(NetAddress(127, 0, 0, 1, 80).getHost(), 0x7F000001u);
    for (const char* bad : {"1.2.3", "256.1.1.1", "1.2.3.4:", "1.2.3.4:65536", "host:80"}) {
        NetAddress address(1, 2, 3, 4, 5);
        EXPECT_FALSE(address.parse(bad)) << bad;
        EXPECT_EQ(address, NetAddress(1, 2, 3, 4, 5)) << bad;
    }
}

TEST(UdpSocket, DatagramsTravelOverLoopback)
{
    UdpSocket a, b;
    ASSERT_TRUE(a.open(NetAddress(127, 0, 0, 1, 0)));
    ASSERT_TRUE(b.open(NetAddress(127, 0, 0, 1, 0)));
    NetAddress bAddress = b.getLocalAddress();
    EXPECT_NE(bAddress.getPort(), 0);
    char buffer[16];
    NetAddress from;
    EXPECT_EQ(b.receiveFrom(buffer, sizeof(buffer), from, 0), 0) << "nothing waiting";
    ASSERT_TRUE(a.sendTo(bAddress, "ping", 4));
    ASSERT_EQ(b.receiveFrom(buffer, sizeof(buffer), from, 2000), 4);
    EXPECT_EQ(std::memcmp(buffer, "ping", 4), 0);
    EXPECT_EQ(from, a.getLocalAddress());
    ASSERT_TRUE(a.sendTo(bAddress, "a datagram longer than the buffer", 33));
    EXPECT_EQ(b.receiveFrom(buffer, sizeof(buffer), from, 2000), -1) << "an oversize datagram is refused whole";
    UdpSocket taken;
    EXPECT_FALSE(taken.open(bAddress)) << "the port is in use";
}

// The engine starts its network manager, which reads the upload server
// from the edition settings in the working folder.
TEST(NetworkManager, ReadsTheUploadServerOfTheEditionAndCarriesResourcesByKey)
{
    const TemporaryFolder folder("kiv-net");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    writeWholeFile("Glimmerdaledemo.cfg.static", "[Network]\nuploadServer=http://127.0.0.1:9/upload\n");
    Kiv* engine = new Kiv();
    EXPECT_EQ(pKiv->pNetworkManager->getUploadServer(), "http://127.0.0.1:9/upload");
    KivBase texture;
    pKiv->pResourceManager->addResource("hills", &texture);
    Packet out;
    out.writeResourceRef(&texture);
    out.writeResourceRef(nullptr);
    Packet in(out.getBytes().data(), out.getBytes().size());
    EXPECT_EQ(in.readResourceRef(), &texture);
    EXPECT_EQ(in.readResourceRef(), nullptr);
    EXPECT_FALSE(in.hasError());
    pKiv->pResourceManager->removeResource("hills");
    delete engine;
    std::filesystem::current_path(previous);
}

} // namespace
