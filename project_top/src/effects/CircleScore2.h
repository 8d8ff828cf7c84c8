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
    // multiplier: the number the ring stands for (kept in value).
    explicit CircleScore2(int multiplier);

    // As CircleScore::addCircularText.
    void addCircularText(const std::string& text, UColor colour, float radius, float centreAngle, int direction);
    // Switches at once to the fade-out (state 3).
    void fadeOut();

    // The object-tree update, the spin, then the children's alpha.
    void tick(double t, double dt) override;
    // The children; nothing in state 0.
    void render() override;
    // 1 fade in, 2 shown, 3 fade out, 4 dead.
    void onStateChange() override;

    // Radians; grows by one per second.
    float spinAngle = 0.0f;
    // Read back by the smiley when it collects the ring.
    int32_t value = 0;
};
