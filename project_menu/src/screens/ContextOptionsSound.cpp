#include "ContextOptionsSound.h"

#include "Global.h"
#include "MenuBool.h"
#include "MenuEnum.h"
#include "MenuVolume.h"

ContextOptionsSound::ContextOptionsSound() : ContextOptionsPage(Language::SOUND)
{
    HSTdata& hst = pGlobal->hst;
    const float chooserX = columnX(CHOOSER_WIDTH);
    pQualityChooser =
        addRow(new MenuEnum(chooserX, rowY(0), 0.0f, text(Language::SOUNDQUALITY), text(Language::SOUNDQUALITYHINT),
                            &hst.audioQuality, 0, HSTdata::MAX_AUDIO_QUALITY, Language::ENUMSOUNDQUALITY0),
               CHOOSER_WIDTH);
    pSoundVolume = addRow(
        new MenuVolume(chooserX, rowY(1), 0.0f, text(Language::SOUNDVOLUME), "", &hst.soundVolume, 0, HSTdata::MAX_VOLUME),
        CHOOSER_WIDTH);
    pMusicVolume = addRow(
        new MenuVolume(chooserX, rowY(2), 0.0f, text(Language::MUSICVOLUME), "", &hst.musicVolume, 0, HSTdata::MAX_VOLUME),
        CHOOSER_WIDTH);
    pInGameMusicSwitch = addRow(new MenuBool(columnX(MenuBool::SWITCH_WIDTH), rowY(3), 0.0f,
                                             text(Language::INGAMEMUSIC), text(Language::INGAMEMUSICHINT),
                                             &hst.bInGameMusic),
                                MenuBool::SWITCH_WIDTH);
}
