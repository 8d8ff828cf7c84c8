#pragma once
// StandInOpener: an "xdg-open" of the test's own, first on PATH for as long
// as it lives, that opens nothing and writes down each call: one line per
// call, each argument in brackets ("[http://...]\n"). The program's exit
// opens the web page it was asked to through whatever xdg-open PATH finds
// first. Restores PATH when it goes; main thread only.
#include "TemporaryFolder.h"
#include "WholeFile.h"

#include <cstdlib>
#include <filesystem>
#include <string>

class StandInOpener {
public:
    StandInOpener() : folder("kiv-opener"), previousPath(std::getenv("PATH") ? std::getenv("PATH") : "")
    {
        const std::string opener = folder.path() + "/xdg-open";
        writeWholeFile(opener, "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]' \"$a\"; done >> '" + record() +
                                   "'\necho >> '" + record() + "'\n");
        std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
        setenv("PATH", (folder.path() + ":" + previousPath).c_str(), 1);
    }
    ~StandInOpener() { setenv("PATH", previousPath.c_str(), 1); }
    StandInOpener(const StandInOpener&) = delete;
    StandInOpener& operator=(const StandInOpener&) = delete;

    // Every call so far, in order; empty when there was none.
    std::string calls() const { return readWholeFile(record()); }
    // Forgets the calls so far.
    void forget() const { std::filesystem::remove(record()); }

private:
    std::string record() const { return folder.path() + "/calls"; }

    TemporaryFolder folder;
    const std::string previousPath;
};
