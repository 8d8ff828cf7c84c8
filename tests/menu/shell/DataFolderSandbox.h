#pragma once
// Every test program of this folder runs its tests as separate processes in
// parallel; each gets a data folder of its own so their files never meet.
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

class DataFolderSandbox : public ::testing::Test {
protected:
    void SetUp() override { useAsDataHome(sandbox.path()); }

    TemporaryFolder sandbox{"kiv-menu-data"};
};
