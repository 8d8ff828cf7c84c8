#pragma once
// Whole files as strings, for tests that write inputs and check what the
// code under test wrote.
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

// An empty string when the file cannot be read.
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

// Each entry of a folder (not below it) by name: its kind, and the bytes of
// a file or of what a link points to.
inline std::map<std::string, std::string> folderSnapshot(const std::string& folder)
{
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        entries[entry.path().filename()] =
            std::to_string(static_cast<int>(entry.symlink_status().type())) + ":" + readWholeFile(entry.path());
    return entries;
}
