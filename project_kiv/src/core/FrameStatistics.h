#pragma once
// FrameStatistics: per-frame counters, zeroed at the start of every frame by
// Kiv::frame and shown by the statistics overlay. The drawing classes feed
// them as they work; main thread only.

struct FrameStatistics {
    int renderablesDrawn = 0;
    int renderablesConsidered = 0;
    int vertices = 0;
    int vbufferWrites = 0;
    int updateVisuals = 0;
    int invXforms = 0;
    int collisions = 0;
    int texturesUsed = 0;
    // Pixels of the textures used; shown in units of 1024.
    int texelsUsed = 0;
    // Channels the audio mixer holds (0 when muted); counted by Kiv::frame
    // only while the statistics are shown.
    int audioChannels = 0;
};
