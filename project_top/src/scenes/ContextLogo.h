#pragma once
// ContextLogo: the intro cut-scene that opens the game. A sleeping smiley
// wakes as a butterfly leaves its flower, hops to two houses in turn and
// knocks; thought clouds rise over it while orange captions tell the story
// and a gliding camera follows. The script is a table of marks on the
// screen's clock (each runs once, in the frame its time is reached, in table
// order) and three stretches on the time in state 1; after 81 s the view
// closes and the screen ends a second later. Escape, the fire keys or a
// mouse press skip it at once.
//
// Global's start-up pushes it over the main menu, so it is seen first; the
// screen stack ticks and draws it and deletes it when it ends. It owns the
// whole scene through its child list. States: 1 script, 2 closing, 3 ended.
// Main thread only; needs the loaded resources.
#include "ContextBlender.h"

#include <vector>

class Butterfly;
class ChamomileIntro;
class House;
class RandomSource;
class SmileyIntro;

class ContextLogo : public ContextBlender {
public:
    enum LogoState { STATE_SCRIPT = 1, STATE_CLOSING = 2, STATE_ENDED = 3 };
    // Length of the script, seconds; the view then closes over 1 s.
    static constexpr double SCRIPT_END = 81.0;

    // One scripted moment: run once when the screen's clock reaches time.
    struct Mark {
        double time;
        void (*action)(ContextLogo& scene);
    };
    // Run every frame while the time in state 1 lies strictly between from
    // and to; action gets that time.
    struct Stretch {
        double from;
        double to;
        void (*action)(ContextLogo& scene, double timeInState);
    };

    // Builds the scene; state 1 at once. startRandom gives the seed of what
    // differs at every start (the butterfly, the blinks, the clouds): one
    // number, drawn before the field of flowers is planted. The program
    // gives the clock; a seeded sequence gives a start that repeats.
    explicit ContextLogo(RandomSource& startRandom);

    // The view opens from black.
    void activate(bool firstTime) override;
    // When removed, leaves the pointer near the bottom-right corner.
    void deactivate(bool closing) override;
    // The marks reached and the stretches, then the scene's update.
    void tickContents(double t, double dt) override;
    void onStateChange() override;

    // The script in time order, and the stretches.
    static const std::vector<Mark>& marks();
    static const std::vector<Stretch>& stretches();

    // Children of the screen (owned through its child list). overlay draws
    // the captions and the title in view units, (0, 0) at the centre.
    Context* overlay;
    SmileyIntro* hero;
    SmileyIntro* resident1;
    SmileyIntro* resident2;
    ChamomileIntro* flower;
    House* house1;
    House* house2;
    Butterfly* butterfly;
    // The hero's thought clouds and their pictures.
    KivBase* thoughts;
    // Marks of the script already run.
    int marksRun = 0;

private:
    void buildScenery();
    void buildActors(KivBase* frontLayer, RandomSource& startRandom);
    void plantFlowers(RandomSource& startRandom);
    // Medium orange caption at view height y, shown after delay seconds for
    // lifetime seconds, fades included.
    void caption(const char* text, float y, double delay, double lifetime);
    // A cloud of the scale offset from the hero, with a pop rising with
    // frequency (a factor of the sound's rate).
    void thoughtCloud(float cloudScale, float dx, float dy, float frequency);
    // The picture in the largest cloud.
    void thoughtPicture(const char* skin);
    // The hero stops at x, just left of a house, and the view glides there.
    void arriveAt(float heroX, float viewX);
    void setDoor(House* house, float target);
};
