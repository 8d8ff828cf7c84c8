#pragma once
// Global: the game-wide object of the menu framework, reached through pGlobal
// and alive for the whole run (created by the first frame, deleted at
// shutdown before the engine). It owns the screen stack, the shared
// background contexts, the resource root under which every loaded resource
// hangs, the persistent block of high scores and settings and the player
// roster. Start-up comes in two halves around the loader screen:
// initPreLoader prepares and pushes the loader, initPostLoader (run by the
// loader's last step) builds what needs the loaded resources and pushes the
// first screens; between them the game's subclass fills initGame.
// Main thread only.
#include "HSTdata.h"
#include "ProfileManager.h"
#include "UColor.h"
#include "UString.h"
#include "V3.h"

#include <cstdint>

class ContextManager;
class ContextPost;
class ContextPre;
class FontQuad;
class GUIthemeMinimal;
class GUIthemeStandard;
class KivBase;

class Global {
public:
    Global();
    virtual ~Global();

    // Checks the class registry (duplicate names are fatal), opens the data
    // archive, loads the progress bar and mouse pointer textures, creates the
    // resource root and the screen stack and pushes the loader.
    void initPreLoader();
    // Builds the GUI themes and the shared background contexts, runs
    // initGame, then pushes the maker's logo, the crash report (only when
    // the last run crashed) and the automatic configuration; the last pushed
    // runs first.
    void initPostLoader();
    // The game registers its own resources and pushes its first screens.
    virtual void initGame() = 0;

    // Pushes the persistent block's settings into the engine: frame period,
    // audio rate (used at the next start) and volumes, display mode (a new
    // mode restarts the display after the frame), text shadows, mouse speed.
    // Settings outside their range are brought inside first.
    void applySettings();

    // The unit direction of a point on a globe, angles in radians: (0, 0, -1)
    // turned about X by the latitude, then about Y by minus the longitude.
    static V3 latLongToVector(float longitude, float latitude);
    // The number of bits set in the mask.
    static int countBits(uint32_t mask);
    // The value in decimal with the current language's thousands separator
    // between groups of three digits, counted from the right.
    static UString formatNumber(int value);
    // The same with any separator; a minus sign is not a digit.
    static UString formatNumber(int value, const UString& separator);

    // Writes the roster and the persistent block now: what a game calls when
    // its progress is saved, when it is left and when it ends with its high
    // score.
    void savePlayerFiles();
    // What the end of the program saves of this object (the run's play time
    // added), without tearing anything down: for an end that cannot go
    // through the destructor (the display lost).
    void saveForExit();
    // Tells the player, once per run, in a dialog over the current screen,
    // that their progress could not be saved and why (reason, in words; the
    // log and standard error have it already). Only once the menus exist
    // and while the program is not ending.
    void tellSaveFailure(const UString& reason);

    // Loaded when constructed, saved on changes (HSTdata::saveNow) and when
    // destroyed.
    HSTdata hst;
    // Loaded when constructed, saved on changes (ProfileManager::saveNow)
    // and when destroyed, before the block.
    ProfileManager profileManager;
    // The shared fonts, set by the loader; they belong to the resource root,
    // not to Global.
    FontQuad* pFontTiny = nullptr;
    FontQuad* pFontSmall = nullptr;
    FontQuad* pFontMedium = nullptr;
    FontQuad* pFontLarge = nullptr;
    FontQuad* pFontHUD = nullptr;
    FontQuad* pFontBlackOutline = nullptr;
    FontQuad* pFontBlackOutline2 = nullptr;
    ContextManager* pContextManager = nullptr;
    // The shared scenery behind the menu screens and the layer in front of
    // the main menu; owned, never pushed on the stack.
    ContextPre* pContextPre = nullptr;
    ContextPost* pContextPost = nullptr;
    // The two looks of the GUI items, made after loading; owned.
    GUIthemeStandard* pThemeStandard = nullptr;
    GUIthemeMinimal* pThemeMinimal = nullptr;
    // Owns every loaded resource (textures, fonts, sounds) as its children.
    KivBase* pResourceRoot = nullptr;
    // A web page to open once the program has ended; empty for none.
    UString urlToOpenOnExit;

private:
    void deleteScreensOwnedByTheStack();

    bool bSaveFailureTold = false;
};

extern Global* pGlobal;

// A random strong colour with alpha 255: at least one channel is 255 and at
// least one is at most 128, so never white or grey. Draws from rand().
UColor randomBrightColor();
// 32 random bits, one per call of rand(), so every bit is covered whatever
// RAND_MAX is.
uint32_t randomWord();
