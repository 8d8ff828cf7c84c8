#pragma once
// An X authorisation file (the format of ~/.Xauthority) holding one
// MIT-MAGIC-COOKIE-1 cookie for every display: a server started with it
// (-auth) refuses every client that does not hold the cookie, as a session's
// server refuses a program of another account.
#include <fstream>
#include <string>

// Empty when the file was written; otherwise why not.
inline std::string writeCookieFile(const std::string& path)
{
    // Family 0xFFFF (any address), then the address, display number, name
    // and cookie, each after its length in two bytes, high byte first.
    std::string record = "\xFF\xFF";
    for (const std::string& field : {std::string(), std::string(), std::string("MIT-MAGIC-COOKIE-1"),
                                     std::string("a cookie 16 long")}) {
        record += static_cast<char>(field.size() >> 8);
        record += static_cast<char>(field.size() & 0xFF);
        record += field;
    }
    std::ofstream file(path, std::ios::binary);
    file << record;
    return file.flush() ? "" : "'" + path + "' could not be written";
}
