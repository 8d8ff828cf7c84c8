#pragma once
// The disk side of the files the game keeps for its player in the data
// folder (configuration, persistent block, roster): reading one whole with a
// bound on its size, and keeping a damaged one aside instead of letting the
// next save replace it. These files are never lost silently: whatever cannot
// be read or fails its checks is renamed to its name with ".damaged" added,
// where the player (or support) can still find it; nothing else in the
// folder is ever removed to make room for it. Any thread; calls share
// nothing.
#include "UString.h"

#include <cstddef>
#include <vector>

enum class PlayerFileRead {
    // Nothing at the path.
    MISSING,
    // The whole file is in bytes.
    READ,
    // Something is at the path that cannot be read whole; reason says why.
    FAILED,
};

// Reads the regular file at path, which may hold at most maxSize bytes. A
// folder, a device or a pipe in its place, a larger file or one that cannot
// be opened or read fails, with the reason in words.
PlayerFileRead readPlayerFile(const UString& path, size_t maxSize, std::vector<unsigned char>& bytes, UString& reason);

// The name a damaged file is kept under: path + ".damaged".
UString damagedFileName(const UString& path);

// Renames the file at path to damagedFileName(path), replacing an older
// damaged file there; when something else (a folder, a link) holds that
// name, it is left alone and the file takes the first free name with ".1",
// ".2"... added. keptAs is the name used. False, with the reason, when it
// could not be moved; it is then still at path.
bool keepDamagedFile(const UString& path, UString& keptAs, UString& error);
