#pragma once
// A socket left at a path, as a program that bound one there and ended
// leaves it: an entry that is no file and that nothing can open.
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// False when the socket could not be made there.
inline bool leaveSocketAt(const std::string& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socketFile = socket(AF_UNIX, SOCK_STREAM, 0);
    if (socketFile < 0)
        return false;
    const bool bBound = bind(socketFile, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    close(socketFile);
    return bBound;
}
