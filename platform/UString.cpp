#include "UString.h"

#include <cstdio>
#include <vector>

void vformatInto(UString& destination, const char* format, va_list args)
{
    // The common case fits the stack buffer; a longer result is formatted a
    // second time into a buffer of the exact size instead of overflowing.
    char buffer[65536];
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(buffer, sizeof(buffer), format, copy);
    va_end(copy);
    if (length < 0) {
        destination.clear();
        return;
    }
    if (static_cast<size_t>(length) < sizeof(buffer)) {
        destination.assign(buffer, static_cast<size_t>(length));
        return;
    }
    std::vector<char> large(static_cast<size_t>(length) + 1);
    std::vsnprintf(large.data(), large.size(), format, args);
    destination.assign(large.data(), static_cast<size_t>(length));
}

void formatInto(UString& destination, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    vformatInto(destination, format, args);
    va_end(args);
}

UString formatString(const char* format, ...)
{
    UString result;
    va_list args;
    va_start(args, format);
    vformatInto(result, format, args);
    va_end(args);
    return result;
}
