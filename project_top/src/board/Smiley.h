#pragma once
// Smiley: one resident of a house and the piece the player plays with. It is
// drawn by its five features (children), pops out of its apartment and
// shrinks away with the door, wobbles on a spring when clicked, pulses a
// halo while selected, can hold its breath under an alarm clock or carry a
// multiplier bubble, and pays its points and coin draws when matched. Two
// smileys match when they share no relevant feature (canMatch); a Clown
// matches anything.
//
// The generator creates it; the game controller places it in its smiley
// layer, which ticks, draws and deletes it (or, once gone, it moves to its
// destination). Whoever makes it for a game attaches it to that game (its
// BoardHost), which it reports to. Outside a game (the ending's hopping
// smileys) there is none: the smiley is worth the first neighbourhood's
// points, reports its clicks and its breath to nobody, and costs and drops
// nothing. Main thread only.
#include "Renderable.h"
#include "UColor.h"
#include "V3.h"
#include "effects/Spring.h"
#include "rules/SmileyFace.h"

#include <cstdint>

class AlarmClock;
class Apartment;
class BoardHost;
class CircleScore2;
class Feature;

class Smiley : public Renderable {
public:
    // Feature slots: 0 body, 1 eyes, 2 mouth, 3 hair, 4 brows.
    static constexpr int FEATURE_SLOTS = SmileyFace::FEATURE_SLOTS;
    // Its states; only a present smiley can be clicked.
    enum SmileyState { STATE_HIDDEN, STATE_APPEARING, STATE_PRESENT, STATE_LEAVING, STATE_GONE };

    // State 0, outside any game. Needs the loaded skins.
    Smiley();
    // Deletes the alarm clock and the bubble; the features go with the
    // children.
    ~Smiley() override;
    Smiley(const Smiley&) = delete;
    Smiley& operator=(const Smiley&) = delete;

    // Click test, spring, entrance and exit size, breath, halo pulse, extras,
    // then the object-tree update; only the state machine in state 0.
    void tick(double t, double dt) override;
    // Halo (when selected), own skin, children; nothing in state 0.
    void render() override;
    // Renderable's transform, then the face 27 units above the foot point.
    void applyXform(Matrix& matrix) override;
    // Renderable's update; the children and the halo take this transform.
    void updateVisuals() override;
    // The bubble, then the alarm clock (second drawing pass).
    virtual void renderExtras();
    void onStateChange() override;
    // Stores newScale and updates the visuals only when it differs.
    virtual void setScale(V3 newScale);
    // Leaves at once (state 3).
    virtual void dismiss();

    // The game it belongs to (not owned, outlives it; may be null), and the
    // value the game gives a smiley made now.
    void attachTo(BoardHost* game);
    // Appends f (owned from now on) as the last child; the caller also
    // stores it in features and sets featureCount.
    void addFeature(Feature* f);
    // The match rule (MatchRule) between this smiley's face and other's; a
    // smiley never matches itself. With highlight every clashing feature of
    // both smileys glows. other must not be null; featureCount at most
    // FEATURE_SLOTS.
    bool canMatch(Smiley* other, bool highlight);
    // Its features as the rules see them.
    SmileyFace face() const;
    // Leaves unmatched; with penalty a present smiley outside a challenge
    // round costs 100 points.
    void leave(bool penalty);
    // Makes a present, patient smiley impatient for seconds (> 2).
    void holdBreath(double seconds);
    // Shows a multiplier bubble numbered n for seconds, when present and
    // without one.
    void showMultiplierBubble(int n, double seconds);
    // Points of a matched smiley (value times the bubble's number); makes its
    // coin draws and hands the bubble to the effect layer.
    int collectMatchReward();
    // One coin draw; chance 0..1.
    void dropCoin(double chance);
    // A ground shadow, linked in as the first child.
    void addShadow();
    // A cloud to stand on, linked in as the first child.
    void addCloud();

    // Wobble; its x is the displacement.
    Spring spring;
    // Owned; present only while holding its breath.
    AlarmClock* alarmClock = nullptr;
    // Owned; present while a multiplier bubble shows.
    CircleScore2* bubble = nullptr;
    // Not owned; may be null.
    Apartment* apartment = nullptr;
    // "body:4": the click area, and the selection halo drawn behind.
    Renderable halo;
    // Owned as children; null until filled.
    Feature* features[FEATURE_SLOTS] = {};
    bool selectable = true;
    bool selected = false;
    bool isClown = false;
    bool holdingBreath = false;
    // Seconds.
    double breathTime = 0.0;
    double breathElapsed = 0.0;
    double bubbleTime = 0.0;
    double bubbleElapsed = 0.0;
    // Valid entries of features.
    int32_t featureCount = 0;
    // Ends of the halo's pulse.
    UColor haloColourA = UColor(0, 0, 255, 255);
    UColor haloColourB = UColor(0, 255, 255, 255);
    // Where the smiley goes when gone (not owned); null: it is deleted.
    KivBase* destination = nullptr;
    // Points, fixed when it is attached to its game (Scoring::smileyValue).
    int32_t value = 0;
    // Its game; null outside one.
    BoardHost* host = nullptr;

private:
    bool isPointerOnHalo();
    // The breath has run out: a puff, the away note, and the smiley leaves.
    void runOutOfBreath();
};
