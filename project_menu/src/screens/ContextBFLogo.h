#pragma once
// ContextBFLogo: the maker's logo, shown once after loading: the picture
// "bfstudios" fades in on white, stays, and fades out; the screen ends after
// SHOW_TIME seconds, or at once on a click, a Fire key or Escape. The mouse
// pointer is hidden. It deletes itself when the stack pops it. Main thread
// only; it needs the loaded "bfstudios" texture.
#include "ContextMenu.h"

class RenderableTimed;

class ContextBFLogo : public ContextMenu {
public:
    // Seconds on screen, and of each fade.
    static constexpr double SHOW_TIME = 3.0;
    static constexpr double FADE_TIME = 0.5;

    // Fatal when "bfstudios" is not registered.
    ContextBFLogo();

    // The picture, then the end of the show.
    void tickContents(double t, double dt) override;

    // Child of the screen.
    RenderableTimed* pPicture;
};
