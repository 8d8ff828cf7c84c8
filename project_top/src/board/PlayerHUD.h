#pragma once
// PlayerHUD: the heads-up display of the game scene: a panel in the top-left
// corner with the rolling score, the coins and (where the mode uses them)
// the lives; the column of vitamins below it; the thermometer with its
// coloured column, optional slot marks and an alarm clock; and the score
// multiplier badge. Each part slides in and out over 1 second. The game
// controller creates it as a child of its overlay screen (whose camera shows
// the virtual screen centred on (0, 0), y up), which ticks, draws and
// deletes it; the controller and the modes switch its parts through the
// public fields. It reads the player data of its game (host), which also
// takes its fireworks. Main thread only.
#include "Renderable.h"
#include "UColor.h"
#include "V3.h"
#include "effects/ViewBox.h"

#include <cstdint>
#include <vector>

class AlarmClock;
class BoardHost;

class PlayerHUD : public Renderable {
public:
    // Everything slid out and switched off; creates the vitamins node.
    PlayerHUD();
    // Deletes the alarm clock; the vitamins go with the children.
    ~PlayerHUD() override;
    PlayerHUD(const PlayerHUD&) = delete;
    PlayerHUD& operator=(const PlayerHUD&) = delete;

    // Slides, position, score roll, alarm clock and vitamins; not the
    // object-tree update of the display itself.
    void tick(double t, double dt) override;
    // Panel, score, coins, multiplier badge, lives, vitamins, thermometer.
    void render() override;

    // Appends a vitamin's row (owned from now on; the game's Orb) to the
    // vitamin column, which places it.
    void addVitamin(Renderable* orb);
    // Replaces any alarm clock by a new one counting down seconds (> 0).
    void startAlarmClock(float seconds);
    // Deletes the alarm clock, if any.
    void removeAlarmClock();
    // The top of the thermometer column at level (clamped to 0..1), in the
    // overlay's coordinates.
    V3 getThermometerPosition(float level) const;
    // What the panel, the vitamin column and the thermometer (with its
    // alarm clock) cover where they rest while shown, in the overlay's
    // coordinates: one box for each part that is switched on or not yet slid
    // out. Captions under the display keep clear of them.
    std::vector<ViewBox> panelBoxes() const;
    // Sparks in colour at that level of the thermometer, at High detail only,
    // in the current controller's bonusLayer (the display's overlay).
    void thermometerFirework(float level, UColor colour);

    // 0..1: how far each part has slid in.
    float panelShown = 0.0f;
    float thermometerShown = 0.0f;
    float vitaminsShown = 0.0f;
    bool hidePanel = true;
    // The score as shown and the ends of its current roll.
    int32_t displayedScore = 0;
    int32_t scoreFrom = 0;
    int32_t scoreTo = 0;
    // 0..1 along the roll.
    float scoreBlend = 1.0f;
    bool showThermometer = false;
    bool thermometerSlots = false;
    // 0 empty .. 1 full; drawn clamped.
    float thermometerLevel = 0.0f;
    bool showLives = false;
    bool showVitamins = false;
    UColor thermometerColour = UColor(255, 255, 255, 255);
    int32_t slotCount = 0;
    // The only child; its children are the vitamins, top to bottom.
    KivBase* vitamins = nullptr;
    // The game shown (not owned, outlives the display); null: no numbers.
    BoardHost* host = nullptr;
    // Owned, not a child; null when there is none.
    AlarmClock* alarmClock = nullptr;

private:
    // Frame, slot marks, column, gloss and alarm clock, at the slide's place.
    void renderThermometer();
};
