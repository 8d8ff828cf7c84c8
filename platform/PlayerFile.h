#pragma once
// The disk side of the files the game keeps for its player in the data
// folder (configuration, persistent block, roster): reading one whole with a
// bound on its size, and keeping a damaged one aside instead of letting the
// next save replace it. These files are never lost silently: one whose
// content fails its checks, or anything at its name that is no regular file,
// is renamed to its name with ".damaged" added, where the player (or
// support) can still find it; a regular file that cannot be opened or read
// at all says nothing of its content and is left where it is. Nothing else
// in the folder is ever removed to make room. Any thread; calls share
// nothing.
#include "UString.h"

#include <cstddef>
#include <vector>

enum class PlayerFileRead {
    // Nothing at the path.
    MISSING,
    // The whole file is in bytes.
    READ,
    // What is at the path is no file the game could have written: a folder,
    // a socket, a device, a pipe, a link that leads nowhere or round in a
    // loop, a file larger than the bound. reason says why.
    DAMAGED,
    // A regular file that could not be opened or read (too many open files,
    // no permission, an I/O error, an interrupted call), or a name that
    // could not be looked at: nothing is known of its content. reason says
    // why.
    UNREADABLE,
};

// Reads the regular file at path (a link to one is followed), which may
// hold at most maxSize bytes, with the reason in words when it is not READ.
// What is at the path is judged before it is opened: anything but a regular
// file is never opened, so a pipe never waits and a device is never touched.
PlayerFileRead readPlayerFile(const UString& path, size_t maxSize, std::vector<unsigned char>& bytes, UString& reason);

// The name a damaged file is kept under: path + ".damaged".
UString damagedFileName(const UString& path);

// Renames the file at path to damagedFileName(path), replacing an older
// damaged file there; when something else (a folder, a link) holds that
// name, it is left alone and the file takes the first free name with ".1",
// ".2"... added. keptAs is the name used. False, with the reason, when it
// could not be moved; it is then still at path.
bool keepDamagedFile(const UString& path, UString& keptAs, UString& error);
