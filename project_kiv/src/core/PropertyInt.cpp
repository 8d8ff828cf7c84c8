#include "PropertyInt.h"

#include "Packet.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

UString PropertyInt::getText() const
{
    return formatString("%d", *pMember);
}

bool PropertyInt::setText(const UString& text)
{
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || value < INT32_MIN || value > INT32_MAX)
        return false;
    *pMember = static_cast<int32_t>(value);
    return true;
}

void PropertyInt::serialize(Packet& packet)
{
    packet.serializeInt(*pMember);
}
