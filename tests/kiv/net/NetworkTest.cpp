#include "Kiv.h"
#include "NetworkManager.h"
#include "TemporaryFolder.h"
#include "WholeFile.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace {

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
