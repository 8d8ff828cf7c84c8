#pragma once
// ContextAutoConfigure: the first screen after loading. It checks the display
// settings of the persistent block (resolution and full screen) against the
// modes the display offers; when the display cannot show them as they are,
// it stores the closest mode it can show and applies the settings. It shows
// the picture "autoConfigure" meanwhile and ends after SHOW_TIME seconds. It
// deletes itself when the stack pops it. Main thread only; it needs the
// loaded "autoConfigure" texture.
#include "ContextMenu.h"

class Renderable;

class ContextAutoConfigure : public ContextMenu {
public:
    static constexpr double SHOW_TIME = 1.0;
    // The resolution indices the options offer: 1 (640 x 480) to 3 (1024 x
    // 768).
    static constexpr int FIRST_RESOLUTION = 1;
    static constexpr int LAST_RESOLUTION = 3;

    // Fatal when "autoConfigure" is not registered.
    ContextAutoConfigure();

    // The check on the first tick; the end after SHOW_TIME.
    void tickContents(double t, double dt) override;

    // The view size of a resolution index 0..3 (others count as 1).
    static void getResolutionSize(int resolution, int& width, int& height);
    // Turns the mode the display can show into settings: full screen as
    // shown and the largest offered resolution that fits in the shown size
    // (640 x 480 when none does). Returns whether either setting changed.
    static bool adoptMode(bool shownFullScreen, int shownWidth, int shownHeight, int& resolution, bool& fullScreen);
    // Asks the display how it would show the stored settings and adopts that
    // mode; applies the settings when they changed. Returns whether they did.
    static bool checkDisplaySettings();

    // Child of the screen: the picture, centred.
    Renderable* pPicture;
    bool bChecked = false;
};
