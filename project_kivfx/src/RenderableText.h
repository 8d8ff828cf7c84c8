#pragma once
// RenderableText: one text in one font at its position, with an optional
// drop shadow, a start delay, a lifetime and fades at both ends, after which
// it marks itself dead (unless told not to). The program's usual caption:
// the screens, dialogs and cut-scenes create it and leave it to their object
// tree. Its own update replaces the object-tree update: it has no children
// and no state changes. The font is not owned. Main thread only.
#include "Renderable.h"
#include "UString.h"

#include <string>

class FontQuad;

class RenderableText : public Renderable {
public:
    RenderableText(float x, float y, float z, const std::string& caption, FontQuad* font, UColor textColor);

    // A new text and timeline (lifetime and delay in seconds); fades, flags
    // and alpha stay.
    void setText(const std::string& caption, double newLifetime, double newDelay);
    // Starts the fade-out now, or keeps an earlier end; nothing for an empty
    // text.
    void expire();

    void tick(double t, double dt) override;
    // Whether render draws the text now: not hidden, its delay run out, its
    // lifetime not.
    bool isShowing() const;
    // The text through the font, with this object's transform and colour.
    void render() override;

    bool bDieWhenDone = true;
    bool bShadow = true;
    // Seconds of start delay still to run.
    double delay = 0.0;
    // Seconds after the delay at which the text ends.
    double lifetime = 999999.0;
    // Fade lengths in seconds; both 0 or less leave the alpha alone.
    double fadeIn = 0.0;
    double fadeOut = 0.0;
    // Print flags of FontQuad; 4 centres the text on the position.
    int flags = 5;
    FontQuad* pFont;
    UString text;
    // Seconds lived since the delay ran out, at most lifetime.
    double elapsed = 0.0;
};
