#include "ContextOptionsGraphics.h"

#include "Global.h"
#include "Kiv.h"
#include "MenuBool.h"
#include "MenuEnum.h"
#include "MenuInt.h"

ContextOptionsGraphics::ContextOptionsGraphics() : ContextOptionsPage(Language::GRAPHICS)
{
    HSTdata& hst = pGlobal->hst;
    const float chooserX = columnX(CHOOSER_WIDTH);
    const float switchX = columnX(MenuBool::SWITCH_WIDTH);
    pDetailChooser = addRow(new MenuEnum(chooserX, rowY(0), 0.0f, text(Language::DETAIL), text(Language::DETAILHINT),
                                         &hst.detail, 0, HSTdata::MAX_DETAIL, Language::ENUMDETAIL0),
                            CHOOSER_WIDTH);
    addHeading(1, Language::ADVANCEDOPTIONS);
    // The smallest mode is too small for the menus; it is there for testing.
    const int smallestMode = pKiv->bDebugOutput ? 0 : 1;
    pVideoModeChooser =
        addRow(new MenuEnum(chooserX, rowY(2), 0.0f, text(Language::VIDEOMODE), text(Language::VIDEOMODEHINT),
                            &hst.resolution, smallestMode, HSTdata::MAX_RESOLUTION, Language::ENUMVIDEOMODES0),
               CHOOSER_WIDTH);
    pFullScreenSwitch = addRow(new MenuBool(switchX, rowY(3), 0.0f, text(Language::FULLSCREEN),
                                            text(Language::FULLSCREENHINT), &hst.bFullScreen),
                               MenuBool::SWITCH_WIDTH);
    pVerticalSyncSwitch = addRow(
        new MenuBool(switchX, rowY(4), 0.0f, text(Language::VSYNC), text(Language::VSYNCHINT), &hst.bVerticalSync),
        MenuBool::SWITCH_WIDTH);
    pMaxFpsChooser = addRow(new MenuInt(chooserX, rowY(5), 0.0f, text(Language::MAXIMUMFPS),
                                        text(Language::MAXIMUMFPSHINT), &hst.maxFps, HSTdata::MIN_FPS,
                                        HSTdata::MAX_FPS, FPS_STEP),
                            CHOOSER_WIDTH);
    pBilinearFilterSwitch = addRow(new MenuBool(switchX, rowY(6), 0.0f, text(Language::BILINEARFILTER),
                                                text(Language::BILINEARFILTERHINT), &hst.bBilinearFilter),
                                   MenuBool::SWITCH_WIDTH);
    pShowFpsSwitch = addRow(
        new MenuBool(switchX, rowY(7), 0.0f, text(Language::SHOWFPS), text(Language::SHOWFPSHINT), &hst.bShowFps),
        MenuBool::SWITCH_WIDTH);
}
