#pragma once
// One engine per test program with a 640 x 480 window (virtual screen
// 640 x 480, so one world unit on the plane z = 0 is one pixel, the origin at
// the centre), started in a data folder of its own: test programs run in
// parallel and the engine writes its configuration and log there. Register
// it (or a subclass) with ::testing::AddGlobalTestEnvironment. Its host is
// the program's, or, for tests that step frames, stepped() (SteppedHost.h).
#include "ApplicationInfo.h"
#include "DataFolder.h"
#include "Kiv.h"
#include "KivHost.h"
#include "SteppedHost.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fstream>

class WindowedEngine : public ::testing::Environment {
public:
    // extraConfig: more ini lines, continuing the [KivGraphics] section;
    // bStepped: the engine's host is stepped().
    explicit WindowedEngine(std::string extraConfig = "", bool bStepped = false)
        : extra(std::move(extraConfig)), bSteppedHost(bStepped)
    {
    }

    void SetUp() override
    {
        // A "threadsafe" death test's child runs the program again; it keeps
        // its parent's folder rather than making one of its own.
        if (const char* inherited = std::getenv("KIV_TEST_ENGINE_HOME")) {
            folderName() = inherited;
        } else {
            pFolder = std::make_unique<TemporaryFolder>("kiv-engine");
            folderName() = pFolder->path();
            setenv("KIV_TEST_ENGINE_HOME", folderName().c_str(), 1);
        }
        useAsDataHome(home());
        std::ofstream(getDataFolder() + "/" + APPLICATION_NAME + ".cfg")
            << "[KivGraphics]\nbFullScreen=No\nscreenWidth=640\nscreenHeight=480\n" << extra;
        new Kiv(bSteppedHost ? stepped().host() : KivHost::desktop());
    }

    void TearDown() override
    {
        delete pKiv;
        pFolder.reset();
    }

    // The folder that holds the data folder; tests may keep their own files there.
    static const std::string& home() { return folderName(); }
    // The host of an engine made stepped; its frames step it.
    static testsupport::SteppedHost& stepped()
    {
        static testsupport::SteppedHost host;
        return host;
    }

private:
    static std::string& folderName()
    {
        static std::string folder;
        return folder;
    }

    const std::string extra;
    const bool bSteppedHost;
    std::unique_ptr<TemporaryFolder> pFolder;
};
