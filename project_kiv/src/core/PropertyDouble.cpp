#include "PropertyDouble.h"

#include "Packet.h"

#include <cstring>

#include <cmath>
#include <cstdint>
#include <cstdlib>

UString PropertyDouble::getText() const
{
    return formatString("%.17g", *pMember);
}

bool PropertyDouble::setText(const UString& text)
{
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value))
        return false;
    *pMember = value;
    return true;
}

void PropertyDouble::serialize(Packet& packet)
{
    uint64_t bits = 0;
    std::memcpy(&bits, pMember, sizeof(bits));
    uint32_t low = static_cast<uint32_t>(bits);
    uint32_t high = static_cast<uint32_t>(bits >> 32);
    packet.serializeBits(low, 32);
    packet.serializeBits(high, 32);
    bits = static_cast<uint64_t>(high) << 32 | low;
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof(value));
    *pMember = std::isfinite(value) ? value : 0.0;
}
