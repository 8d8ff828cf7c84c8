#pragma once
// HeldStandardError: what the process writes on standard error (descriptor
// 2) while the object lives, held in an anonymous file and then passed on
// or dropped. For a step that is tried again and again, where the libraries
// under it complain of every failed try (Xlib prints the X server's refusal
// of each connection): only the try that counts is heard. When no file can
// be had for it, nothing is held and the writes go through as they come.
// Moving descriptor 2 moves it for the whole process, so a holder must be
// sure that no other thread writes there meanwhile. Main thread only.
class HeldStandardError {
public:
    HeldStandardError();
    // Passes on what is held, unless end has run.
    ~HeldStandardError();
    HeldStandardError(const HeldStandardError&) = delete;
    HeldStandardError& operator=(const HeldStandardError&) = delete;

    // Gives standard error back and writes there what was held (bPassOn) or
    // drops it. Later calls do nothing.
    void end(bool bPassOn);

private:
    // The held writes; -1 when nothing is held.
    int heldFile = -1;
    // Standard error as it was; -1 when nothing is held.
    int standardError = -1;
};
