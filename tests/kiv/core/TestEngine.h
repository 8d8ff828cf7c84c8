#pragma once
// A real engine for one test, started in a fresh temporary data folder and
// working folder (so the configuration, log and edition settings of one test
// never leak into another). Needs a display: the tests run under Xvfb.
#include "Kiv.h"
#include "KivHost.h"
#include "TemporaryFolder.h"
#include "WholeFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

class TemporaryHome {
public:
    TemporaryHome() : folder("kiv-core"), previousFolder(std::filesystem::current_path())
    {
        std::filesystem::create_directories(workFolder());
        std::filesystem::current_path(workFolder());
        useAsDataHome(root());
    }
    ~TemporaryHome() { std::filesystem::current_path(previousFolder); }
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

    const std::string& root() const { return folder.path(); }
    std::string dataFolder() const { return root() + "/Glimmerdaledemo/1.30"; }
    std::string workFolder() const { return root() + "/work"; }

private:
    TemporaryFolder folder;
    std::filesystem::path previousFolder;
};
