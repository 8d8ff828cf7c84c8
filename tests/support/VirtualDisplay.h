#pragma once
// A display of a test's own, for a program the test means to see lose its
// display: an Xvfb server on the first free display number from 150 (the
// suite's own server and a developer's lie below), ended as a logout ends
// the session's server. Ended and reaped when the object goes.
#include "ProgramRun.h"

#include <filesystem>
#include <string>

class VirtualDisplay {
public:
    VirtualDisplay() : number(freeNumber()), server(start(number))
    {
        bReady = waitFor([&] { return std::filesystem::exists(socketPath()); }, std::chrono::seconds(20));
    }

    // ":<number>", for DISPLAY.
    std::string name() const { return ":" + std::to_string(number); }
    // The server is accepting clients.
    bool ready() const { return bReady; }

    // Ends the server the way the end of a session does, and waits until it
    // has gone.
    void end() { server.terminate(std::chrono::seconds(10)); }

private:
    static int freeNumber()
    {
        int free = 150;
        while (std::filesystem::exists("/tmp/.X" + std::to_string(free) + "-lock") ||
               std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(free)))
            ++free;
        return free;
    }

    static pid_t start(int display)
    {
        const pid_t child = fork();
        if (child == 0) {
            const std::string name = ":" + std::to_string(display);
            execlp("Xvfb", "Xvfb", name.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        return child;
    }

    std::string socketPath() const { return "/tmp/.X11-unix/X" + std::to_string(number); }

    const int number;
    StartedProgram server;
    bool bReady = false;
};
