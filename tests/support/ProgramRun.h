#pragma once
// Starting the game the way the play script does: a data folder under a
// home of the test's own, set up for a 640 x 480 window, and the real
// executable run in the generated game data (KIV_BINARY_DIR/data) as a
// child process that a test watches through its log and ends like a closed
// window.
#include "ApplicationInfo.h"
#include "WholeFile.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/wait.h>
#include <thread>

// Makes the program's data folder under the given data home
// ($XDG_DATA_HOME) with a configuration asking for a 640 x 480 window;
// returns the folder.
inline std::string makeWindowedDataFolder(const std::string& home)
{
    const std::string folder = home + "/" + APPLICATION_NAME + "/" + APPLICATION_VERSION;
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/" + APPLICATION_NAME + ".cfg")
        << "[KivGraphics]\nbFullScreen=No\nscreenWidth=640\nscreenHeight=480\n";
    return folder;
}

// Starts the executable in the game data (or in workingFolder when one is
// named) with home as its data home and the dummy audio driver, its standard
// error into errorFile when one is named; inChild, when given, runs in the
// child last, just before the program starts (to set a limit or close
// descriptors). Returns the child's id (-1 when it could not fork).
inline pid_t startProgram(const std::string& home, const std::vector<std::string>& arguments = {},
                          const std::string& errorFile = "", const std::string& workingFolder = "",
                          const std::function<void()>& inChild = {})
{
    const std::string executable = std::string(KIV_BINARY_DIR) + "/glimmerdale";
    const std::string gameData = std::string(KIV_BINARY_DIR) + "/data";
    const pid_t child = fork();
    if (child != 0)
        return child;
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    unsetenv("U3_APP_DATA_PATH");
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (chdir((workingFolder.empty() ? gameData : workingFolder).c_str()) != 0)
        _exit(126);
    if (!errorFile.empty() && !std::freopen(errorFile.c_str(), "w", stderr))
        _exit(125);
    std::vector<char*> argv{const_cast<char*>(executable.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    if (inChild)
        inChild();
    execv(executable.c_str(), argv.data());
    _exit(127);
}

// Polls done() every 20 ms until it holds; false when the timeout passed first.
inline bool waitFor(const std::function<bool()>& done, std::chrono::seconds timeout)
{
    for (const auto deadline = std::chrono::steady_clock::now() + timeout; !done();) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// A program this test started, signalled only while it is still the
// test's own: once reaped, its id may be given to any process of the
// machine. One still running when the object goes is killed and reaped.
class StartedProgram {
public:
    explicit StartedProgram(pid_t child) : id(child) {}
    ~StartedProgram()
    {
        if (signal(SIGKILL))
            waitpid(id, &exitStatus, 0);
    }
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    // Its process id (-1 when it could not be started).
    pid_t pid() const { return id; }
    // Its wait status, once it has ended.
    int status() const { return exitStatus; }

    // Sends the signal; false, sending nothing, once the program has been
    // reaped (or was never started). kill() with -1 would reach every
    // process of the user.
    bool signal(int number)
    {
        return id > 0 && !bReaped && kill(id, number) == 0;
    }

    // Waits up to the timeout; true when it has ended.
    bool waitForExit(std::chrono::seconds timeout)
    {
        if (id <= 0)
            return false;
        bReaped = bReaped || waitFor([&] { return waitpid(id, &exitStatus, WNOHANG) == id; }, timeout);
        return bReaped;
    }

    // Sends the request (SIGTERM: to end as a closed window does) and waits
    // up to the timeout; a program still running then is killed. True when
    // it ended by itself, before or after the request.
    bool terminate(std::chrono::seconds timeout, int request = SIGTERM)
    {
        if (bReaped)
            return true;
        signal(request);
        if (waitForExit(timeout))
            return true;
        if (signal(SIGKILL))
            bReaped = waitpid(id, &exitStatus, 0) == id;
        return false;
    }

private:
    const pid_t id;
    int exitStatus = 0;
    bool bReaped = false;
};
