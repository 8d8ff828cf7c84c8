#pragma once
// DataFolderLock: one writer per data folder. The program's first copy
// takes exclusive locks (flock) on the data folder itself and on the lock
// file "Glimmerdaledemo.lock" in it, and holds them until its last file is
// saved; the system lets go of them when the process ends, however it ends.
// Any copy can lock the folder, whatever lies at the lock file's name; the
// lock file serves file systems that cannot lock a folder (NFS) and copies
// that cannot read it. A copy that finds either lock taken must leave the
// folder alone, and so must one that can take neither. Main thread: taken
// at start-up, before anything is written to the folder, and let go once
// the exit saves are done (ProgramEnd) or when the object goes.
#include "UString.h"

class DataFolderLock {
public:
    enum Result {
        // This process holds the lock from now on.
        LOCKED,
        // Another process holds it.
        HELD_ELSEWHERE,
        // Neither the folder nor the lock file can be locked (reasons in
        // words): nothing would stop another copy.
        UNAVAILABLE,
    };

    DataFolderLock() = default;
    // Lets go of the locks.
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    // Takes the locks of the folder without waiting. Opening an existing
    // lock file writes nothing; a link or anything but a file at its name is
    // never followed or changed.
    Result acquire(const UString& folder, UString& reason);

    static UString lockFileName();

    // Lets go of the locks now, before the object goes (a program whose
    // files are all saved but which still waits for something). Nothing
    // when none is held.
    void release();

private:

    int folderDescriptor = -1;
    int fileDescriptor = -1;
};
