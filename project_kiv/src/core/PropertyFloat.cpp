#include "PropertyFloat.h"

#include "Packet.h"

#include <cmath>
#include <cstdlib>

UString PropertyFloat::getText() const
{
    return formatString("%.9g", static_cast<double>(*pMember));
}

bool PropertyFloat::setText(const UString& text)
{
    char* end = nullptr;
    float value = std::strtof(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value))
        return false;
    *pMember = value;
    return true;
}

void PropertyFloat::serialize(Packet& packet)
{
    packet.serializeFloat(*pMember);
}
