#include "UdpSocket.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

UdpSocket::~UdpSocket()
{
    close();
}

bool UdpSocket::open(const NetAddress& local)
{
    close();
    descriptor = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (descriptor < 0)
        return false;
    if (bind(descriptor, reinterpret_cast<const sockaddr*>(&local.address), sizeof(local.address)) != 0) {
        close();
        return false;
    }
    return true;
}

void UdpSocket::close()
{
    if (descriptor >= 0)
        ::close(descriptor);
    descriptor = -1;
}

NetAddress UdpSocket::getLocalAddress() const
{
    NetAddress local;
    socklen_t length = sizeof(local.address);
    if (descriptor >= 0)
        getsockname(descriptor, reinterpret_cast<sockaddr*>(&local.address), &length);
    return local;
}

bool UdpSocket::sendTo(const NetAddress& destination, const void* data, size_t size)
{
    if (descriptor < 0)
        return false;
    ssize_t sent = sendto(descriptor, data, size, MSG_NOSIGNAL, reinterpret_cast<const sockaddr*>(&destination.address),
                          sizeof(destination.address));
    return sent >= 0 && static_cast<size_t>(sent) == size;
}

int UdpSocket::receiveFrom(void* buffer, size_t capacity, NetAddress& source, int timeoutMs)
{
    if (descriptor < 0)
        return -1;
    pollfd entry = {descriptor, POLLIN, 0};
    int ready = poll(&entry, 1, timeoutMs);
    if (ready == 0)
        return 0;
    if (ready < 0)
        return errno == EINTR ? 0 : -1;
    sockaddr_in from = {};
    socklen_t length = sizeof(from);
    ssize_t got = recvfrom(descriptor, buffer, capacity, MSG_TRUNC, reinterpret_cast<sockaddr*>(&from), &length);
    if (got < 0)
        return errno == EAGAIN || errno == EWOULDBLOCK ? 0 : -1;
    if (static_cast<size_t>(got) > capacity)
        return -1;
    source.address = from;
    return static_cast<int>(got);
}
