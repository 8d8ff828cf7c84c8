#pragma once
// UdpSocket: one non-blocking IPv4 UDP socket, the only code that sends or
// receives datagrams (the network wizard's connection test, and the network
// layer later). Owned by its user; one thread at a time.
#include "NetAddress.h"

#include <cstddef>

class UdpSocket {
public:
    UdpSocket() = default;
    ~UdpSocket();
    UdpSocket(const UdpSocket&) = delete;
    UdpSocket& operator=(const UdpSocket&) = delete;

    // Binds to the local address (port 0: any free port); false when it cannot.
    bool open(const NetAddress& local);
    void close();
    bool isOpen() const { return descriptor >= 0; }
    // The bound address, with the port actually chosen.
    NetAddress getLocalAddress() const;
    // Sends one datagram; false when it was not sent whole.
    bool sendTo(const NetAddress& destination, const void* data, size_t size);
    // Waits up to timeoutMs (0: not at all) for one datagram of at most
    // capacity bytes. Returns its size, 0 when none came, -1 on an error. A
    // longer datagram is dropped whole and counts as an error.
    int receiveFrom(void* buffer, size_t capacity, NetAddress& source, int timeoutMs);

private:
    int descriptor = -1;
};
