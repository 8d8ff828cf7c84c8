#pragma once
// ContextEnding: the closing scene of a completed journey. Over a menu
// background of its own, a block of congratulation lines scrolls up the
// screen, fading in above the bottom edge and out below the top; from 7 s on
// the menu music plays, fireworks burst at random places and smileys with
// random faces hop across the bottom of the screen. It does not end by time:
// its "OK" button (or Escape) closes it.
//
// Whoever shows it creates it and pushes it on the screen stack; the stack
// ticks and draws it and deletes it when it is closed. It owns its
// background screen and, through its child list, everything it shows; it
// needs no running game. Coordinates are view units, (0, 0) at the centre.
// Main thread only; needs the loaded resources.
#include "Context.h"
#include "V3.h"

class KivBase;
class MenuButtonQuit;

class ContextEnding : public Context {
public:
    // Screen time, seconds, at which the music, the smileys and the
    // fireworks start.
    static constexpr double PARTY_START = 7.0;

    // Builds the scene.
    ContextEnding();
    // Deletes its background screen.
    ~ContextEnding() override;
    ContextEnding(const ContextEnding&) = delete;
    ContextEnding& operator=(const ContextEnding&) = delete;

    // Closes the view at once, so that it opens from black as the stack
    // makes the screen active.
    void activate(bool firstTime) override;
    // The scene's update, then the music, new smileys and fireworks, and the
    // lines' scroll and fades.
    void tickContents(double t, double dt) override;

    // Children of the screen: the lines in reading order, and the smileys.
    KivBase* textLayer;
    KivBase* smileyLayer;
    MenuButtonQuit* okButton;
    // Units per second.
    V3 scrollVelocity = V3(0.0f, 30.0f, 0.0f);
    // Screen times after which the next smiley and the next firework start.
    double nextSmileyTime = PARTY_START;
    double nextFireworkTime = PARTY_START;
    // The menu music has been started (once, at PARTY_START).
    bool bMusicStarted = false;

private:
    void addLines();
    void scrollLines(double step);
};
