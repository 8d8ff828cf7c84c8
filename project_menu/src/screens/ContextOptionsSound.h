#pragma once
// ContextOptionsSound: the sound options: the mixing quality (used from the
// next start), the sound and music volumes (heard at once when changed) and
// the music during the game. Pushed by the options screen. Main thread only.
#include "ContextOptionsPage.h"

class MenuBool;
class MenuEnum;
class MenuVolume;

class ContextOptionsSound : public ContextOptionsPage {
public:
    ContextOptionsSound();

    MenuEnum* pQualityChooser;
    MenuVolume* pSoundVolume;
    MenuVolume* pMusicVolume;
    MenuBool* pInGameMusicSwitch;
};
