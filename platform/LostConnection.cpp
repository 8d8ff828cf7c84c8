#include "LostConnection.h"

#include <cerrno>
#include <sys/socket.h>

int lostConnectionError(int socket)
{
    int pending = 0;
    socklen_t size = sizeof(pending);
    if (getsockopt(socket, SOL_SOCKET, SO_ERROR, &pending, &size) == 0 && pending != 0)
        return pending;
    char next;
    if (recv(socket, &next, 1, MSG_PEEK | MSG_DONTWAIT) < 0 && errno != EAGAIN && errno != EWOULDBLOCK &&
        errno != EINTR)
        return errno;
    return EPIPE;
}
