#pragma once
// StandInOpener: an "xdg-open" of the test's own, first on PATH for as long
// as it lives, that opens nothing and writes down each call: one line per
// call, each argument in brackets ("[http://...]\n"). The program's exit
// opens the web page it was asked to through whatever xdg-open PATH finds
// first. Asked to, it then stays open for a while, as a desktop's opener
// does while the browser it started is in the foreground; one still open
// is ended when the object goes. Restores PATH when it goes; main thread
// only.
#include "TemporaryFolder.h"
#include "WholeFile.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>

class StandInOpener {
public:
    // secondsOpen: how long each call stays open after it is written down.
    explicit StandInOpener(int secondsOpen = 0)
        : folder("kiv-opener"), previousPath(std::getenv("PATH") ? std::getenv("PATH") : "")
    {
        const std::string opener = folder.path() + "/xdg-open";
        std::string script = "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]' \"$a\"; done >> '" + record() +
                             "'\necho >> '" + record() + "'\n";
        if (secondsOpen > 0)
            script += "echo $$ > '" + stillOpen() + "'\nexec sleep " + std::to_string(secondsOpen) + "\n";
        writeWholeFile(opener, script);
        std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
        setenv("PATH", (folder.path() + ":" + previousPath).c_str(), 1);
    }
    ~StandInOpener()
    {
        if (std::filesystem::exists(stillOpen()))
            kill(std::atoi(readWholeFile(stillOpen()).c_str()), SIGTERM);
        setenv("PATH", previousPath.c_str(), 1);
    }
    StandInOpener(const StandInOpener&) = delete;
    StandInOpener& operator=(const StandInOpener&) = delete;

    // Every call so far, in order; empty when there was none.
    std::string calls() const { return readWholeFile(record()); }
    // Forgets the calls so far.
    void forget() const { std::filesystem::remove(record()); }

private:
    std::string record() const { return folder.path() + "/calls"; }
    // The process id of the last call that stays open.
    std::string stillOpen() const { return folder.path() + "/open"; }

    TemporaryFolder folder;
    const std::string previousPath;
};
