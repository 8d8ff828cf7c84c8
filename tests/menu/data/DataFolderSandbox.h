#pragma once
// Every test program of this folder runs its tests as separate processes in
// parallel; each gets a data folder of its own so their files never meet.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

class DataFolderSandbox : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/kiv-menu-data-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        sandbox = pattern;
        setenv("XDG_DATA_HOME", sandbox.c_str(), 1);
        unsetenv("U3_APP_DATA_PATH");
    }

    void TearDown() override { std::system(("rm -rf '" + sandbox + "'").c_str()); }

    std::string sandbox;
};
