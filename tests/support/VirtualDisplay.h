#pragma once
// A display of a test's own, for a program the test means to see lose its
// display or means to send input to: an Xvfb server on a display number it
// picks itself (-displayfd: it takes the first number nobody holds, so two
// tests starting at once never share one), ended as a logout ends the
// session's server. Ended and reaped when the object goes. Its screen is
// 1024 x 768 at 24 bits unless the test asks for another (as Xvfb's
// -screen takes it, "1280x1024x24"), with the server's options the test
// adds ("-extension", "GLX": a display without OpenGL; "-auth" and a file:
// only the clients that hold one of its cookies are let in).
#include "ProgramRun.h"
#include "SocketAtPath.h"

#include <cctype>
#include <csignal>
#include <filesystem>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <unistd.h>
#include <vector>

class VirtualDisplay {
public:
    explicit VirtualDisplay(const std::string& screen = "1024x768x24", const std::vector<std::string>& options = {})
        : server(start(number, screen, options))
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
    static pid_t start(int& number, const std::string& screen, const std::vector<std::string>& options)
    {
        number = -1;
        const pid_t parent = getpid();
        int told[2];
        if (pipe(told) != 0)
            return -1;
        // Made before the fork: the child of a process with threads may
        // only make async-signal-safe calls.
        const std::string descriptor = std::to_string(told[1]);
        std::vector<const char*> arguments{"Xvfb", "-displayfd", descriptor.c_str(), "-screen", "0", screen.c_str(),
                                           "-nolisten", "tcp"};
        for (const std::string& option : options)
            arguments.push_back(option.c_str());
        arguments.push_back(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            // A test program that dies without ending its server ends it
            // all the same; a parent gone already leaves nobody to serve.
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (getppid() != parent)
                _exit(126);
            close(told[0]);
            execvp("Xvfb", const_cast<char* const*>(arguments.data()));
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
