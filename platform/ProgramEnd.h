#pragma once
// ProgramEnd: what may end the program, held as one process-wide stage that
// the handlers of the termination requests (SIGTERM, SIGINT, SIGHUP) and of
// the grace alarm read, on whichever thread the signal reaches: the
// program's own, SDL's or a driver's. No signal mask is relied upon.
//
//   running     A request asks the main loop to quit, as a closed window
//               does (the askToQuit given to handleRequests), and arms the
//               grace alarm: a start-up step or a frame that never comes
//               back to the loop is ended by the request itself once the
//               grace is over. A player's file being written (SaveInProgress)
//               is never cut short: a grace that runs out during a write
//               starts again when the last write ends, so that a quit asked
//               for during a slow save is taken by the loop once the save is
//               on disk, and the exit saves follow.
//   exit saves  From beginExitSaves (the loop has taken a quit, or the
//               display is lost) to exitSavesDone: no request and no alarm
//               ends the program, however slow or hung the disk. Only
//               SIGKILL does, and a save killed half-way leaves the earlier
//               file whole (ReplaceFile.h).
//   saved       Every exit save is made: the data folder's lock is let go,
//               and a request ends the program at once (while it waits for
//               the web page's opener, say).
//
// Each step is one atomic change of the stage, so no request or alarm falls
// between two of them: a grace that runs out as the loop takes its quit
// either ends the program first or finds the exit saves begun and does
// nothing. A request the program was started to ignore (nohup, a script's
// background job) stays ignored. Any thread.
class DataFolderLock;

class ProgramEnd {
public:
    // Installs the handlers of the termination requests and of the grace
    // alarm: before SDL starts (it then keeps them instead of its own) and
    // before any other thread. askToQuit runs inside the signal handler.
    static void handleRequests(void (*askToQuit)(), unsigned graceSeconds);
    // The lock let go once the exit saves are done (borrowed; null for none).
    static void holdUntilSaved(DataFolderLock* lock);

    // The exit saves begin (nothing when they already have).
    static void beginExitSaves();
    // Every exit save is made: the lock is let go and requests end the
    // program from now on.
    static void exitSavesDone();

    // Marks a player's file being written for as long as it lives.
    class SaveInProgress {
    public:
        SaveInProgress();
        ~SaveInProgress();
        SaveInProgress(const SaveInProgress&) = delete;
        SaveInProgress& operator=(const SaveInProgress&) = delete;
    };
};
