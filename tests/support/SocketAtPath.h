#pragma once
// A socket left at a path, as a program that bound one there and ended
// leaves it: an entry that is no file and that nothing can open.
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
