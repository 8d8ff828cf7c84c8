#include "PropertyDouble.h"

#include <cmath>
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
