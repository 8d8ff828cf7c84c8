#pragma once
// A fresh folder under /tmp for one test or one test program, removed with
// everything in it when its owner goes. A death test's child exits without
// unwinding, so a folder held by the parent outlives the child.
#include <filesystem>

class TemporaryFolder {
public:
    // prefix: the start of the folder's name, e.g. "kiv-core".
    explicit TemporaryFolder(const std::string& prefix)
    {
        std::string pattern = "/tmp/" + prefix + "-XXXXXX";
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("could not make a folder like " + pattern);
        folder = pattern;
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& path() const { return folder; }

private:
    std::string folder;
};

// Makes folder the base of the engine's data folder for this process and
// everything it starts.
inline void useAsDataHome(const std::string& folder)
{
    setenv("XDG_DATA_HOME", folder.c_str(), 1);
    unsetenv("U3_APP_DATA_PATH");
}
