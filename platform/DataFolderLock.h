#pragma once
// DataFolderLock: one writer per data folder. The program's first copy
// takes an exclusive lock (flock) on the lock file "Glimmerdaledemo.lock" in
// its data folder and holds it for its whole run; the system lets go of it
// when the process ends, however it ends. A second copy finds the lock
// taken and must leave the folder alone. Main thread, at start-up, before
// anything is written to the folder.
#include "UString.h"

class DataFolderLock {
public:
    enum Result {
        // This process holds the lock from now on.
        LOCKED,
        // Another process holds it.
        HELD_ELSEWHERE,
        // The lock file cannot be made or locked (reason in words): nothing
        // stops another copy, but nothing is wrong with this one either.
        UNAVAILABLE,
    };

    DataFolderLock() = default;
    // Lets go of the lock.
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    // Takes the lock of the folder without waiting. Opening an existing lock
    // file writes nothing; only the first copy ever creates it.
    Result acquire(const UString& folder, UString& reason);

    static UString lockFileName();

private:
    int descriptor = -1;
};
