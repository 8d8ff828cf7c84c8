#include "NetAddress.h"

#include <arpa/inet.h>
#include <cstdio>
#include <cstring>

NetAddress::NetAddress()
{
    std::memset(&address, 0, sizeof(address));
    address.sin_family = AF_INET;
}

NetAddress::NetAddress(uint8_t a, uint8_t b, uint8_t c, uint8_t d, uint16_t port) : NetAddress()
{
    setHost((static_cast<uint32_t>(a) << 24) | (static_cast<uint32_t>(b) << 16) | (static_cast<uint32_t>(c) << 8) | d);
    setPort(port);
}

bool NetAddress::parse(const UString& text)
{
    unsigned parts[4];
    unsigned port = 0;
    int consumed = 0;
    const int fields = std::sscanf(text.c_str(), "%3u.%3u.%3u.%3u%n:%5u%n", &parts[0], &parts[1], &parts[2],
                                   &parts[3], &consumed, &port, &consumed);
    if ((fields != 4 && fields != 5) || static_cast<size_t>(consumed) != text.size() || port > 65535)
        return false;
    for (unsigned part : parts)
        if (part > 255)
            return false;
    *this = NetAddress(static_cast<uint8_t>(parts[0]), static_cast<uint8_t>(parts[1]), static_cast<uint8_t>(parts[2]),
                       static_cast<uint8_t>(parts[3]), static_cast<uint16_t>(port));
    return true;
}

UString NetAddress::toString() const
{
    const uint32_t host = getHost();
    return formatString("%u.%u.%u.%u:%u", host >> 24, (host >> 16) & 0xFF, (host >> 8) & 0xFF, host & 0xFF,
                        getPort());
}

uint16_t NetAddress::getPort() const
{
    return ntohs(address.sin_port);
}

void NetAddress::setPort(uint16_t port)
{
    address.sin_port = htons(port);
}

uint32_t NetAddress::getHost() const
{
    return ntohl(address.sin_addr.s_addr);
}

void NetAddress::setHost(uint32_t host)
{
    address.sin_addr.s_addr = htonl(host);
}

bool NetAddress::operator==(const NetAddress& other) const
{
    return address.sin_family == other.address.sin_family && address.sin_port == other.address.sin_port &&
           address.sin_addr.s_addr == other.address.sin_addr.s_addr;
}
