#pragma once
// Replacing a file's whole contents so that a crash, a kill or a full disk
// never leaves a half-written file: the bytes go to a temporary file of the
// writer's own beside the target, reach the disk, and only then take the
// target's name; the folder's entry is flushed after the rename. The
// temporary file is always created anew ("<path>.<pid>-<n>.tmp" with the
// first n from 0 that is free; never through a link and never over anything
// already there), so a link or a file planted at that name cannot redirect
// the bytes. For the player's files and the crash screenshot; a file that
// must never take the place of anything is written by NumberedFile.h. Any
// thread.
#include "UString.h"

#include <vector>

// False, with the reason in words in error, when the bytes could not be
// stored; the old file (if any) is then untouched and no temporary file is
// left behind.
bool replaceFile(const UString& path, const std::vector<unsigned char>& bytes, UString& error);

// Creates the temporary file replaceFile writes for path, for a writer that
// gives it a name itself; its name goes to temporary. The descriptor is
// open for writing only; -1, with errno, when no file could be made.
int createTemporaryFile(const UString& path, UString& temporary);

// What replaceFile does before the file takes its name, for a writer that
// gives it one itself (NumberedFile.h): the temporary file for path made,
// the bytes written whole, flushed to disk and closed. True, with its name
// in temporary; false, with the step that failed and why in words in error
// (cannotCreate, such as "the temporary file could not be created", when
// no file could be made), and nothing left behind.
bool writeTemporaryFile(const UString& path, const std::vector<unsigned char>& bytes, const char* cannotCreate,
                        UString& temporary, UString& error);

// Flushes the folder holding path, so that a name just given is on disk;
// a file system that cannot flush a folder is no failure.
void flushFolderOf(const UString& path);

// Removes from folder what killed writers left behind: the temporary files
// (and links at their names) of createTemporaryFile for files whose names
// begin with prefix, or with "crash." and prefix (the crash files). Only for
// a folder that no other process writes to at the time. Returns the number
// removed.
int removeStaleTemporaryFiles(const UString& folder, const UString& prefix);
