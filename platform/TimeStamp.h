#pragma once
// TimeStamp: a moment as a signed 64-bit count of seconds since 1970 (UTC).
// Stored as is, 8 bytes, inside saved blocks. Any thread.
#include <cstdint>

struct TimeStamp {
    // The current time of the system clock.
    void setNow();
    void set(int64_t secondsSince1970) { seconds = secondsSince1970; }
    int64_t get() const { return seconds; }

    int64_t seconds = 0;
};

static_assert(sizeof(TimeStamp) == 8, "TimeStamp is stored as 8 raw bytes");
