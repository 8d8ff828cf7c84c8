#pragma once
// A real engine for one test, started in a fresh temporary data folder and
// working folder (so the configuration, log and edition settings of one test
// never leak into another). Needs a display: the tests run under Xvfb.
#include "Kiv.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

class TemporaryHome {
public:
    TemporaryHome()
    {
        char pattern[] = "/tmp/kiv-core-XXXXXX";
        root = mkdtemp(pattern);
        std::filesystem::create_directories(root + "/work");
        previousFolder = std::filesystem::current_path();
        std::filesystem::current_path(root + "/work");
        setenv("XDG_DATA_HOME", root.c_str(), 1);
        unsetenv("U3_APP_DATA_PATH");
    }
    ~TemporaryHome()
    {
        std::filesystem::current_path(previousFolder);
        std::filesystem::remove_all(root);
    }
    std::string dataFolder() const { return root + "/Glimmerdaledemo/1.30"; }
    std::string workFolder() const { return root + "/work"; }

    std::string root;
    std::filesystem::path previousFolder;
};

inline std::string readWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

inline void writeWholeFile(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary);
    file << text;
}
