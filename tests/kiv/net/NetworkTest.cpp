#include "Kiv.h"
#include "NetAddress.h"
#include "NetworkManager.h"
#include "TemporaryFolder.h"
#include "WholeFile.h"

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

// The engine starts its network manager, which reads the upload server
// from the edition settings in the working folder.
TEST(NetworkManager, ReadsTheUploadServerOfTheEdition)
{
    const TemporaryFolder folder("kiv-net");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    writeWholeFile("Glimmerdaledemo.cfg.static", "[Network]\nuploadServer=http://127.0.0.1:9/upload\n");
    Kiv* engine = new Kiv();
    EXPECT_EQ(pKiv->pNetworkManager->getUploadServer(), "http://127.0.0.1:9/upload");
    delete engine;
    std::filesystem::current_path(previous);
}

} // namespace
