#pragma once
// KivHost: what the engine takes from the machine it runs on: the clock its
// time keeper and frame pacer read, the output its mixed sound goes to, and
// which of its frames are drawn. Each part is borrowed by the engine for its
// whole life and must outlive it. desktop() gives the program's: the system
// clock (SystemClock), SDL's audio device (SdlAudioOutput) and every frame
// drawn (DrawEveryFrame); they hold no state of their own, so one engine
// after another may use them.
class AudioOutput;
class DrawSchedule;
class KivClock;

struct KivHost {
    KivClock& clock;
    AudioOutput& audioOutput;
    DrawSchedule& drawSchedule;

    static KivHost desktop();
};
