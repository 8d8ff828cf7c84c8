#pragma once
// DrawSchedule: which of the engine's frames are drawn and shown. A frame
// not drawn still handles its mode, ticks, measures its rate and waits for
// its period; a screenshot asked for in it is taken in the next frame
// drawn. The engine borrows it from its host (KivHost) for its whole life;
// the program draws every frame (DrawEveryFrame). Main thread only.

class DrawSchedule {
public:
    virtual ~DrawSchedule() = default;

    // Asked once in every frame, after its tick: true draws the frame.
    virtual bool drawsFrame() = 0;
};
