#pragma once
// The one way the program opens a file of its data folder for writing: a
// link at the file's name is never followed (O_NOFOLLOW) and a file that
// another name links to is never written into, so no link planted there
// can send the bytes to another file; and opening never waits on a pipe
// with no reader. Any thread.
#include "UString.h"

#include <cstdio>

enum class TakenName {
    // Anything at the name, a dangling link included, makes the call fail
    // with EEXIST; otherwise the file is made by the call itself (O_EXCL):
    // for a name chosen as the first free one.
    KEEP,
    // A file at the name is emptied and written in place; a link at it, a
    // file that another name also links to, or one this user may not write
    // (left by a run as another user, say), is removed first and a new file
    // made (the target and the other name left as they are) when the folder
    // allows it; a folder makes the call fail.
    REPLACE,
};

// A file open for writing only, not inherited by programs this one starts;
// -1, with errno, when it cannot be opened so.
int openWritableFile(const UString& path, TakenName taken);

// The same as a binary stdio stream; null, with errno, when it cannot be
// opened so. The caller closes it with fclose.
FILE* openWritableStream(const UString& path, TakenName taken);
