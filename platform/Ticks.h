#pragma once
// Milliseconds since the program started, from a monotonic clock.
#include <cstdint>

uint32_t getTicks();
