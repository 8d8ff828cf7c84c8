#pragma once
// KivAudio: placeholder until its subsystem lands.

class KivAudio {
public:
    KivAudio();
    virtual ~KivAudio();

    virtual void onKIVmodeChange(int, int) {}
    void update() {}
};
