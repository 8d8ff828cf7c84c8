#pragma once
// Whole files as strings, for tests that write inputs and check what the
// code under test wrote.
#include <fstream>
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
