#include "PropertyUColor.h"

#include "Packet.h"

#include <cstdio>

UString PropertyUColor::getText() const
{
    return formatString("%d,%d,%d,%d", pMember->r, pMember->g, pMember->b, pMember->a);
}

bool PropertyUColor::setText(const UString& text)
{
    int r = 0, g = 0, b = 0, a = 0, used = 0;
    if (std::sscanf(text.c_str(), "%d,%d,%d,%d%n", &r, &g, &b, &a, &used) != 4 || used != static_cast<int>(text.size()))
        return false;
    for (int value : {r, g, b, a})
        if (value < 0 || value > 255)
            return false;
    *pMember = UColor(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b), static_cast<uint8_t>(a));
    return true;
}

void PropertyUColor::serialize(Packet& packet)
{
    uint32_t packed = pMember->packed();
    packet.serializeBits(packed, 32);
    *pMember = UColor(packed);
}
