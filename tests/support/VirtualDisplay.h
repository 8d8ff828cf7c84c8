#pragma once
// A display of a test's own, for a program the test means to see lose its
// display or means to send input to: an Xvfb server on a display number it
// picks itself (-displayfd: it takes the first number nobody holds, so two
// tests starting at once never share one), ended as a logout ends the
// session's server. Ended and reaped when the object goes.
#include "ProgramRun.h"
#include "SocketAtPath.h"

#include <cctype>
#include <csignal>
#include <filesystem>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <unistd.h>

class VirtualDisplay {
public:
    VirtualDisplay() : VirtualDisplay("") {}
    // With an authorisation file named (the server's -auth), only the
    // clients that hold one of its cookies are let in.
    explicit VirtualDisplay(const std::string& authFile) : server(start(number, authFile))
    {
        bReady = number >= 0 && std::filesystem::exists(socketPath());
    }
    // Ends the server as end() does: ended so (SIGTERM), as a session ends
    // it, the server removes its socket in the X socket folder. It is ended
    // so too when the test program dies first (a crash, a timeout's kill)
    // or the thread that made the object ends: that thread must outlive it.
    ~VirtualDisplay() { end(); }
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // ":<number>", for DISPLAY.
    std::string name() const { return ":" + std::to_string(number); }
    // The server is accepting clients.
    bool ready() const { return bReady; }

    // Ends the server the way the end of a session does, and waits until it
    // has gone (nothing once it has). A server that has not gone 10 s after
    // the request is killed, and its socket, which it had no chance to
    // remove, is removed here.
    void end()
    {
        if (!server.terminate(std::chrono::seconds(10)) && number >= 0)
            removeStaleSocket(socketPath());
    }

private:
    // Starts the server; number is the display it took (-1 when it told none).
    static pid_t start(int& number, const std::string& authFile)
    {
        number = -1;
        const pid_t parent = getpid();
        int told[2];
        if (pipe(told) != 0)
            return -1;
        const pid_t child = fork();
        if (child == 0) {
            // A test program that dies without ending its server ends it
            // all the same; a parent gone already leaves nobody to serve.
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (getppid() != parent)
                _exit(126);
            close(told[0]);
            const std::string descriptor = std::to_string(told[1]);
            if (!authFile.empty())
                execlp("Xvfb", "Xvfb", "-displayfd", descriptor.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
                       "tcp", "-auth", authFile.c_str(), static_cast<char*>(nullptr));
            execlp("Xvfb", "Xvfb", "-displayfd", descriptor.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
                   "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(told[1]);
        // The server tells its number once it accepts clients, which on a
        // busy machine (keymaps compiled, fonts found) may take a while.
        std::string digits;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(90);
        while (child > 0 && digits.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
            pollfd reply{told[0], POLLIN, 0};
            if (poll(&reply, 1, 1000) != 1)
                continue;
            char part[16];
            const ssize_t count = read(told[0], part, sizeof(part));
            if (count <= 0)
                break;
            digits.append(part, static_cast<size_t>(count));
        }
        if (digits.find('\n') != std::string::npos && std::isdigit(static_cast<unsigned char>(digits[0])))
            number = std::atoi(digits.c_str());
        close(told[0]);
        return child;
    }

    std::string socketPath() const { return "/tmp/.X11-unix/X" + std::to_string(number); }

    int number = -1;
    StartedProgram server;
    bool bReady = false;
};
