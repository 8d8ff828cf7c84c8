#pragma once
// Writing a new file under the first free name of a numbered series in a
// folder (prefix, the number in four digits from 0001 to 9999, suffix: the
// screenshots "Glimmerdaledemo-0001.jpg", ...) without ever taking the
// place of anything: a name that anything has, a dangling link included,
// is passed over, and the file takes its name only once it is whole and on
// disk, so a kill or a crash while it is written leaves nothing under a
// number, only a temporary file of ReplaceFile.h's kind, which
// removeStaleTemporaryFiles clears at the next start. A file that replaces
// another whole (the player's files) is ReplaceFile.h's. A save in play for
// the program's end (ProgramEnd::SaveInProgress) while it writes. Any
// thread, one writer to the folder at a time where the file system offers
// neither a rename that refuses a taken name nor hard links (the data
// folder's lock makes the program its one writer).
#include "UString.h"

#include <vector>

// The first name of the series that nothing has; empty when every one is
// taken.
UString firstFreeNumberedName(const UString& prefix, const UString& suffix);

// Writes bytes as a new file under the first free name of the series; a
// name taken while it is written (by another writer) is passed over too,
// and the folder is flushed once the file has its name. True, with the name
// in name. False, with why in words in error, when it could not: name is
// then the one it was being written for, or empty when every name is
// taken, and nothing is left behind.
bool writeNumberedFile(const UString& prefix, const UString& suffix, const std::vector<unsigned char>& bytes,
                       UString& name, UString& error);

// Gives the finished file at temporary the name path, unless something has
// that name already, a dangling link included: nothing there is ever
// replaced. One step where the file system offers a rename that refuses a
// taken name; else a second name made (a hard link), then the first
// removed; where neither is offered, a plain rename onto the name once it is
// found free, which holds only while no other writer uses the folder. False,
// with errno (EEXIST: the name is taken), when it did not; temporary is then
// left as it was.
bool renameWithoutReplacing(const UString& temporary, const UString& path);
