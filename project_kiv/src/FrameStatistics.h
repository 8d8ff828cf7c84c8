#pragma once
// Per-frame counters, zeroed at the start of every frame by Kiv::frame and
// shown by the statistics overlay. The drawing classes feed them.

struct FrameStatistics {
    int renderablesDrawn = 0;
    int renderablesConsidered = 0;
    int vertices = 0;
    int vbufferWrites = 0;
    int updateVisuals = 0;
    int invXforms = 0;
    int collisions = 0;
    int texturesUsed = 0;
    int texelsUsed = 0;
};
