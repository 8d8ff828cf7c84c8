#include "NumberText.h"

#include <cstdlib>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Moves position past the digits there; false when there are none.
bool skipDigits(const std::string& text, size_t& position)
{
    const size_t start = position;
    while (position < text.size() && isDigit(text[position]))
        ++position;
    return position > start;
}

void skipSign(const std::string& text, size_t& position)
{
    if (position < text.size() && (text[position] == '+' || text[position] == '-'))
        ++position;
}

} // namespace

bool readWholeInteger(const std::string& text, long long& value)
{
    size_t position = 0;
    skipSign(text, position);
    if (!skipDigits(text, position) || position != text.size())
        return false;
    value = std::strtoll(text.c_str(), nullptr, 10);
    return true;
}

bool readWholeDecimal(const std::string& text, double& value)
{
    size_t position = 0;
    skipSign(text, position);
    bool bDigits = skipDigits(text, position);
    if (position < text.size() && text[position] == '.') {
        ++position;
        bDigits = skipDigits(text, position) || bDigits;
    }
    if (!bDigits)
        return false;
    if (position < text.size() && (text[position] == 'e' || text[position] == 'E')) {
        ++position;
        skipSign(text, position);
        if (!skipDigits(text, position))
            return false;
    }
    if (position != text.size())
        return false;
    // strtod takes the decimal point of the locale, "." in the C locale the
    // program runs in; under one with another point the text is not read
    // whole, and is refused rather than misread.
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size();
}
