#pragma once
// ContextOptionsGraphics: the display options: the Detail level, then under
// the heading of advanced options the video mode (320 x 240 only while the
// engine's debug output is enabled), full screen, vertical sync, the most
// frames per second, bilinear filtering and the frame-rate counter. A new
// display mode takes effect when the screen closes. Pushed by the options
// screen. Main thread only.
#include "ContextOptionsPage.h"

class MenuBool;
class MenuEnum;
class MenuInt;

class ContextOptionsGraphics : public ContextOptionsPage {
public:
    // The frame-rate limit's range and step, frames per second.
    static constexpr int FPS_STEP = 5;

    ContextOptionsGraphics();

    MenuEnum* pDetailChooser;
    MenuEnum* pVideoModeChooser;
    MenuBool* pFullScreenSwitch;
    MenuBool* pVerticalSyncSwitch;
    MenuInt* pMaxFpsChooser;
    MenuBool* pBilinearFilterSwitch;
    MenuBool* pShowFpsSwitch;
};
