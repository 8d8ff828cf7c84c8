#pragma once
// SystemClock: the program's clock: the monotonic millisecond count since
// the program started (getTicks), and SDL's delay for letting time pass.
// Holds nothing; main thread only.
#include "KivClock.h"

class SystemClock : public KivClock {
public:
    // Whole milliseconds, in seconds.
    double seconds() const override;
    // Rounded down to whole milliseconds.
    void sleep(double seconds) override;
};
