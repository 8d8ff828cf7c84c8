#pragma once
// A socket left at a path, as a program that bound one there and ended
// leaves it: an entry that is no file and that nothing can open; and its
// removal, where a test leaves one in a folder that others share.
#include <cerrno>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// Empty when the socket was made there; otherwise why not, in words.
inline std::string leaveSocketAt(const std::string& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path))
        return "the path is " + std::to_string(path.size()) + " bytes long; a socket's address holds " +
               std::to_string(sizeof(address.sun_path) - 1);
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socketFile = socket(AF_UNIX, SOCK_STREAM, 0);
    if (socketFile < 0)
        return std::string("no socket could be made (") + std::strerror(errno) + ")";
    std::string failure;
    if (bind(socketFile, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0)
        failure = std::string("it could not be bound there (") + std::strerror(errno) + ")";
    close(socketFile);
    return failure;
}

// Removes the socket at path when nothing answers at it, as nothing does at
// one leaveSocketAt left or at a killed server's; one that answers, or
// anything else there, stays. True when it went.
inline bool removeStaleSocket(const std::string& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int client = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (client < 0)
        return false;
    const bool bStale =
        connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 && errno == ECONNREFUSED;
    close(client);
    return bStale && unlink(path.c_str()) == 0;
}

// Calls removeStaleSocket when it goes, however the test ends.
class StaleSocketRemoval {
public:
    explicit StaleSocketRemoval(const std::string& socketPath) : path(socketPath) {}
    ~StaleSocketRemoval() { removeStaleSocket(path); }
    StaleSocketRemoval(const StaleSocketRemoval&) = delete;
    StaleSocketRemoval& operator=(const StaleSocketRemoval&) = delete;

private:
    const std::string path;
};
