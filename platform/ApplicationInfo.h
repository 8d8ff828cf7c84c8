#pragma once
// The one name and version that identify the program: its files (archive,
// configuration, log, persistent block, roster, crash files), its uploads and
// its network handshakes. Stored in 32-byte and 16-byte fields respectively.

inline constexpr const char* APPLICATION_NAME = "Glimmerdaledemo";
inline constexpr const char* APPLICATION_VERSION = "1.30";
