#pragma once
// UString: the engine's string, a standard byte string with the few
// conversions the engine needs, and printf-style formatting helpers.
// Texts are bytes in the Windows-1252 layout; nothing here assumes UTF-8.
#include <cstdarg>
#include <string>

class UString : public std::string {
public:
    UString() = default;
    UString(const char* text) : std::string(text ? text : "") {}
    UString(const char* text, size_t length) : std::string(text, length) {}
    UString(const std::string& text) : std::string(text) {}
    UString(std::string&& text) : std::string(std::move(text)) {}

    // Implicit view as a C string, for the many printf-style callers.
    operator const char*() const { return c_str(); }
};

template <>
struct std::hash<UString> {
    size_t operator()(const UString& s) const noexcept { return std::hash<std::string>()(s); }
};

// Formatting never truncates: results of any length are grown to fit.
UString formatString(const char* format, ...) __attribute__((format(printf, 1, 2)));
void formatInto(UString& destination, const char* format, ...) __attribute__((format(printf, 2, 3)));
void vformatInto(UString& destination, const char* format, va_list args);
