#pragma once
// KivClock: where the engine's time comes from: the seconds on a clock that
// never goes back, and a way to let time pass. The engine's time keeper and
// frame pacer read it. The engine borrows it from its host (KivHost) for
// its whole life; the program's is the system's own (SystemClock). Main
// thread only.

class KivClock {
public:
    virtual ~KivClock() = default;

    // Seconds since a start of the clock's own; never decreases.
    virtual double seconds() const = 0;
    // Lets about that many seconds (> 0) pass before it returns.
    virtual void sleep(double seconds) = 0;
};
