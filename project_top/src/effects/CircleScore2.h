#pragma once
// CircleScore2: a smiley's multiplier ring: a text laid along a circle (its
// children) fades in and spins slowly for as long as its creator keeps it,
// then grows and fades away when told. The smiley owns, ticks and draws it
// while it shows; on a match it is handed to the game's effect layer to fade
// out there. Main thread only.
#include "Renderable.h"
#include "UColor.h"

#include <cstdint>
#include <string>

class CircleScore2 : public Renderable {
public:
    // Not yet started (not drawn), fading in, shown, growing and fading out,
    // gone.
    enum RingState { STATE_WAITING, STATE_APPEARING, STATE_SHOWN, STATE_FADING, STATE_GONE };

    // multiplier: the number the ring stands for (kept in value).
    explicit CircleScore2(int multiplier);

    // As CircleScore::addCircularText.
    void addCircularText(const std::string& text, UColor colour, float radius, float centreAngle, int direction);
    // Switches at once to the fade-out.
    void fadeOut();

    // The object-tree update, the spin, then the children's alpha.
    void tick(double t, double dt) override;
    // The children; nothing while waiting.
    void render() override;
    // Fade in, then shown; fade out (high detail) or end at once; dead when
    // gone.
    void onStateChange() override;

    // Radians; grows by one per second.
    float spinAngle = 0.0f;
    // Read back by the smiley when it collects the ring.
    int32_t value = 0;
};
