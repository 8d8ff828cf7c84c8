#pragma once
// One engine per test program, with a 640 x 480 window so that one virtual
// pixel is one screen pixel, in a data folder of its own (test programs run
// in parallel and the engine writes its configuration back on exit).
#include "Kiv.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

class TestEngine : public ::testing::Environment {
public:
    void SetUp() override
    {
        char folder[] = "/tmp/kiv-text-test-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        home = folder;
        setenv("XDG_DATA_HOME", folder, 1);
        std::string data = home + "/Glimmerdaledemo/1.30";
        std::filesystem::create_directories(data);
        if (FILE* config = std::fopen((data + "/Glimmerdaledemo.cfg").c_str(), "w")) {
            std::fputs("[KivGraphics]\nbFullScreen=No\nscreenWidth=640\nscreenHeight=480\n", config);
            std::fclose(config);
        }
        new Kiv();
    }

    void TearDown() override
    {
        delete pKiv;
        std::error_code ignored;
        std::filesystem::remove_all(home, ignored);
    }

private:
    std::string home;
};
