#pragma once
// ProgramEnd: what may end the program, held as one process-wide stage that
// the handlers of the termination requests (SIGTERM, SIGINT, SIGHUP) and of
// the grace alarm read. A request sent to the process (kill, a terminal, a
// session manager) runs its handler on whichever thread the system picks
// among those that do not block it: the program's own or a driver's. No
// signal mask is relied upon. A signal sent to one thread alone (tgkill)
// that blocks it, as SDL's sound thread does, stays pending on that thread,
// as POSIX has it, and is never taken; nothing on a desktop sends one.
//
// The handlers only read and store lock-free atomics and make calls that
// are safe inside a signal handler (alarm, signal, raise): a request is
// kept, never acted on there, and the main loop takes it (takeRequest) at
// the start of its next pass, quitting as a closed window does. A request
// that comes before the loop's first pass, or while a start-up step has
// not come back to the loop, is taken at the next pass all the same.
//
//   running     The first request arms the grace alarm; later ones do not
//               push it back. A start-up step or a frame that never comes
//               back to the loop is ended by that request once the grace is
//               over. A file being written (SaveInProgress: the player's
//               files, a screenshot) is never cut short: a grace that runs
//               out during a write starts again when the last write ends,
//               so that a quit asked for during a slow save is taken by the
//               loop once the save is on disk, and the exit saves follow.
//   exit saves  From beginExitSaves (the loop has ended, or the display is
//               lost) to exitSavesDone: no request and no alarm ends the
//               program, however slow or hung the disk; only SIGKILL does,
//               and a save killed half-way leaves the earlier file whole
//               (ReplaceFile.h). A request that comes now, or one the loop
//               never took, is kept for the end of the saves.
//   saved       Every exit save is made: the data folder's lock is let go.
//               A request kept from before ends the program at once, and
//               so does any request from now on (while it waits for the web
//               page's opener, say).
//
// Each step is one atomic change of the stage, so no request or alarm falls
// between two of them: a grace that runs out as the loop takes its quit
// either ends the program first or finds the exit saves begun and does
// nothing, and a request that comes as the saves end is either kept and
// acted on by exitSavesDone or acted on by its own handler. A request that
// ends the program ends it as the signal itself would have, had it no
// handler. A request the program was started to ignore (nohup, a script's
// background job) stays ignored. Any thread.
class DataFolderLock;

class ProgramEnd {
public:
    // Installs the handlers of the termination requests and of the grace
    // alarm: before SDL starts (it then keeps them instead of its own) and
    // before any other thread.
    static void handleRequests(unsigned graceSeconds);
    // The lock let go once the exit saves are done (borrowed; null for none).
    static void holdUntilSaved(DataFolderLock* lock);

    // True when a request has come that the loop has not taken yet (several
    // that came before one pass are taken as one); the caller then acts on
    // it by quitting. Main loop only.
    static bool takeRequest();

    // The exit saves begin (nothing when they already have).
    static void beginExitSaves();
    // Every exit save is made: the lock is let go, and a request kept
    // during the saves, or from now on, ends the program.
    static void exitSavesDone();

    // Marks a file being written (a player's file, a screenshot) for as
    // long as it lives.
    class SaveInProgress {
    public:
        SaveInProgress();
        ~SaveInProgress();
        SaveInProgress(const SaveInProgress&) = delete;
        SaveInProgress& operator=(const SaveInProgress&) = delete;
    };
};
