#pragma once
// The one name and version that identify the program: its files (archive,
// configuration, log, persistent block, roster, crash files), its uploads and
// its network handshakes. Stored in 32-byte and 16-byte fields respectively.

#include "UString.h"

inline constexpr const char* APPLICATION_NAME = "Glimmerdaledemo";
inline constexpr const char* APPLICATION_VERSION = "1.30";

// The data archive in the working folder; a code-page edition adds its own
// archive under this name with "." and the code page appended.
inline UString dataArchiveName()
{
    return UString("./") + APPLICATION_NAME + ".dat";
}
