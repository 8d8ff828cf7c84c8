#pragma once
// NetAddress: an IPv4 socket address, exactly the 16-byte BSD sockaddr_in,
// so it can be stored as is (the persistent block keeps the player's public
// address in one) and handed straight to the socket calls. Plain value; any
// thread.
#include "UString.h"

#include <cstdint>
#include <netinet/in.h>

struct NetAddress {
    // Family AF_INET, port 0, address 0.0.0.0, the rest zero.
    NetAddress();
    // host is a dotted quad, port in host byte order.
    NetAddress(uint8_t a, uint8_t b, uint8_t c, uint8_t d, uint16_t port);

    // "a.b.c.d:port" or "a.b.c.d" (port 0); false, unchanged, otherwise.
    bool parse(const UString& text);
    UString toString() const;
    uint16_t getPort() const;
    void setPort(uint16_t port);
    // The address in host byte order (127.0.0.1 is 0x7F000001).
    uint32_t getHost() const;
    void setHost(uint32_t host);
    bool operator==(const NetAddress& other) const;
    bool operator!=(const NetAddress& other) const { return !(*this == other); }

    sockaddr_in address;
};

static_assert(sizeof(NetAddress) == 16, "NetAddress is stored as a 16-byte socket address");
