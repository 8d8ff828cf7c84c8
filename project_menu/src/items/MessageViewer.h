#pragma once
// MessageViewer: an on-screen log for the online screens (crash report,
// connection test, score upload): each message is written to the engine log
// and word-wrapped into the most recent lines, which are printed in one
// font; with a display time the viewer fades out one second before the
// latest message has been shown that long, counted in the time its screen
// ticks it with. The screen that creates it makes it a child and owns it;
// the font belongs to the resource root. Main thread only.
#include "KivBase.h"
#include "UColor.h"
#include "V3.h"

#include <deque>
#include <string>

class FontQuad;

class MessageViewer : public KivBase {
public:
    MessageViewer();

    // Logs "> text", appends its wrapped lines (dropping the oldest beyond
    // maxLines) and restarts the display time.
    void addMessage(const std::string& text);

    // Counts dt (seconds) into the latest message's age and sets alpha from
    // it; no state machine, no children.
    void tick(double t, double dt) override;
    void render() override;

    // Width (pixels) to which messages are wrapped.
    int wrapWidth;
    int maxLines = 10;
    // Where the first (or, bottom-anchored, the last) line is printed.
    V3 position;
    // Added to y after each line; negative: lines run downwards.
    float lineStep;
    // Its alpha is scaled by alpha.
    UColor color = UColor(255, 255, 255, 255);
    int printFlags = 4;
    // Seconds a message stays before the viewer fades out; 0 never fades.
    double displayTime = 0.0;
    bool bottomAnchored = false;
    // Every line but the last at half brightness.
    bool dimOlderLines = false;
    bool hidden = false;
    // Not owned.
    FontQuad* font;
    // Oldest first.
    std::deque<std::string> lines;
    // Seconds the latest message has been shown, counted by tick.
    double messageAge = 0.0;
    // 0..1, set by tick.
    float alpha = 0.0f;
};
