#pragma once
// AlarmClock: a hopping alarm clock that counts down a time with a ticking
// sound, then rings and hops fast. Shown over an impatient smiley and on
// the heads-up display; its owner (the smiley or the HUD) keeps it outside
// the object tree, ticks, draws and deletes it. Deleting it silences the
// ticking at once. Main thread only.
#include "Renderable.h"
#include "SoundChannel.h"
#include "V3.h"
#include "effects/ViewBox.h"

#include <cstdint>

class Skin;
class Texture;

class AlarmClock : public Renderable {
public:
    enum ClockState { STATE_IDLE, STATE_TICKING, STATE_RINGING, STATE_RUNG };

    // Idle (state 0): draws and plays nothing until start.
    AlarmClock();
    // Stops the ticking channel.
    ~AlarmClock() override;
    AlarmClock(const AlarmClock&) = delete;
    AlarmClock& operator=(const AlarmClock&) = delete;

    // Counts down seconds: total and remaining time, state 1 at once. With
    // 0 or less the clock rings at once and shows its last dial frame.
    void start(float seconds);

    // The object-tree update, then hop, rock, squash and dial; nothing more
    // in state 0.
    void tick(double t, double dt) override;
    // A shadow, then the clock; nothing in state 0.
    void render() override;
    // 1 ticking, 2 ringing, 3 rung.
    void onStateChange() override;
    // What the clock may cover over its hop, rock and squash while it
    // stands at the point, in its layer's units.
    ViewBox reachAt(V3 at) const;

    // Where the clock stands between hops; the owner moves it.
    V3 home;
    // Seconds.
    double totalTime = 0.0;
    double remainingTime = 0.0;
    // Hops per second times 2; 6 once the time is up.
    float shakeSpeed = 2.0f;
    // +1 or -1.
    int32_t shakeDirection = 1;
    // 0..1 along the current hop.
    float shakePhase = 0.0f;
    // "alarmClock": its skins are the dial frames; not owned (a resource).
    Texture* dialTexture = nullptr;
    // The dial's frames (the first skins of dialTexture).
    int32_t dialFrames = 0;
    // One playback of "clockTick", started on entering state 1.
    SoundChannel tickingChannel;

private:
    // The frame for the time left: the first at the start, the last when
    // the time is up.
    Skin* dialFrame() const;
};
