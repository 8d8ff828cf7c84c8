#include "Catalogue.h"

const std::vector<Catalogue::Texture>& Catalogue::textures() {
    static const std::vector<Texture> list = {
        {"gfx/gui/game/progressbar.tga", 2, 2, 0, 0},
        {"gfx/gui/game/mousepointer.tga", 0, 1, 0, 0},
        {"gfx/system/bfstudios.tga", 0, 1, 0, 0},
        {"gfx/system/languageflags.tga", 0, 1, 0, 0},
        {"gfx/font/font-tiny.tga", 10, 94, 0, 0},
        {"gfx/font/font-small.tga", 10, 94, 0, 0},
        {"gfx/font/font-medium.tga", 10, 256, 0, 0},
        {"gfx/font/font-large-1.tga", 2, 1, 0, 0},
        {"gfx/font/font-large-2.tga", 2, 1, 0, 0},
        {"gfx/font/font-hud.tga", 2, 86, 0, 0},
        {"gfx/font/font-blackoutline.tga", 2, 97, 0, 0},
        {"gfx/system/autoconfigure.tga", 0, 1, 0, 0},
        {"gfx/gui/game/editbox.tga", 2, 2, 0, 0},
        {"gfx/gui/game/button.tga", 2, 2, 0, 0},
        {"gfx/gui/game/button-cloud.tga", 2, 2, 0, 0},
        {"gfx/gui/game/square.tga", 2, 1, 0, 0},
        {"gfx/gui/game/board-arrowR.tga", 2, 1, 0, 0},
        {"gfx/arrow.tga", 0, 2, 0, 0},
        {"gfx/logoS.tga", 2, 2, 0, 0},
        {"gfx/sky-colormatched-blurred.tga", 0, 1, 0, 0},
        {"gfx/grass.tga", 2, 4, 0, 0},
        {"gfx/hills.tga", 2, 2, 0, 0},
        {"gfx/ground.tga", 2, 2, 0, 0},
        {"gfx/tree_0_0.tga", 2, 1, 0, 0},
        {"gfx/tree_0_1.tga", 2, 1, 0, 0},
        {"gfx/tree2.tga", 0, 1, 0, 0},
        {"gfx/3ds_smoke.tga", 0, 1, 0, 0},
        {"gfx/flare.tga", 0, 1, 0, 0},
        {"gfx/star.tga", 0, 2, 0, 0},
        {"gfx/butterfly.tga", 0, 2, 0, 0},
        {"gfx/ladybug.tga", 0, 1, 0, 0},
        {"gfx/chamomile.tga", 0, 1, 0, 0},
        {"gfx/apartment.tga", 0, 4, 0, 0},
        {"gfx/roof-tileXY.tga", 0, 1, 256, 256},
        {"gfx/roof.tga", 0, 4, 0, 0},
        {"gfx/body.tga", 0, 6, 0, 0},
        {"gfx/eyes.tga", 0, 2, 0, 0},
        {"gfx/eyes-blink.tga", 0, 2, 0, 0},
        {"gfx/eyes-glow.tga", 0, 2, 0, 0},
        {"gfx/mouths.tga", 0, 2, 0, 0},
        {"gfx/mouths-glow.tga", 0, 2, 0, 0},
        {"gfx/hair.tga", 0, 2, 0, 0},
        {"gfx/hair-glow.tga", 0, 2, 0, 0},
        {"gfx/eyebrows.tga", 0, 2, 0, 0},
        {"gfx/eyebrows-glow.tga", 0, 2, 0, 0},
        {"gfx/clown.tga", 0, 3, 0, 0},
        {"gfx/pole.tga", 0, 5, 0, 0},
        {"gfx/alarmclock-countdown.tga", 0, 1, 0, 0},
        {"gfx/hud.tga", 0, 6, 0, 0},
        {"gfx/thermometer2.tga", 0, 4, 0, 0},
        {"gfx/circle.tga", 0, 1, 0, 0},
        {"gfx/solutionpath.tga", 0, 3, 0, 0},
        {"gfx/coin.tga", 0, 1, 0, 0},
        {"gfx/blob.tga", 0, 1, 0, 0},
        {"gfx/help.tga", 0, 9, 0, 0},
        {"gfx/help2.tga", 0, 8, 0, 0},
        {"gfx/help3.tga", 0, 3, 0, 0},
        {"gfx/intro1.tga", 0, 12, 0, 0},
        {"gfx/intro2.tga", 0, 5, 0, 0},
        {"gfx/map_0_0.tga", 0, 1, 0, 0},
        {"gfx/map_1_0.tga", 0, 1, 0, 0},
    };
    return list;
}

const std::vector<std::string>& Catalogue::sounds() {
    static const std::vector<std::string> list = {
        "sfx/clickXP.ogg",         "sfx/pop.ogg",          "sfx/dooropen.ogg",         "sfx/doorshut.ogg",
        "sfx/doorknock.ogg",       "sfx/honk.ogg",         "sfx/thermo1.ogg",          "sfx/stardust.ogg",
        "sfx/clockTick.ogg",       "sfx/bell.ogg",         "sfx/voice-breathein.ogg",  "sfx/voice-breatheOut.ogg",
        "sfx/coinbounce.ogg",      "sfx/coinbounceend.ogg", "sfx/liquify.ogg",         "sfx/bubbles.ogg",
        "sfx/jingle01.ogg",        "sfx/jingle02.ogg",     "sfx/jingle03.ogg",         "sfx/jingle04.ogg",
        "sfx/jingle05.ogg",        "sfx/jingle06.ogg",     "sfx/jingle06inv.ogg",      "sfx/jingle07.ogg",
        "sfx/gameover.ogg",        "sfx/voice-ihihi.ogg",  "sfx/voice-mh-huh.ogg",     "sfx/voice-mhm.ogg",
        "sfx/voice-mui.ogg",       "sfx/voice-muiu.ogg",   "sfx/voice-ow.ogg",         "sfx/voice-huhu.ogg",
        "sfx/voice-sniffin.ogg",   "sfx/voice-sniffout.ogg", "sfx/voice-hut.ogg",      "sfx/voice-hut2.ogg",
        "sfx/voice-hmpf.ogg",      "sfx/voice-ahhah.ogg",   "sfx/firework.ogg",
    };
    return list;
}

const std::vector<std::string>& Catalogue::music() {
    static const std::vector<std::string> list = {"sfx/music/main.ogg", "sfx/music/ingame.ogg",
                                                  "sfx/music/ingame2.ogg", "sfx/music/ingame4.ogg",
                                                  "sfx/music/ingame3.ogg"};
    return list;
}

const std::vector<Catalogue::Solution>& Catalogue::solutions() {
    static const std::vector<Solution> list = {
        {"solutions/solution-3x3.dat", 3, 3}, {"solutions/solution-3x4.dat", 3, 4},
        {"solutions/solution-4x4.dat", 4, 4}, {"solutions/solution-4x5.dat", 4, 5},
        {"solutions/solution-5x5.dat", 5, 5}, {"solutions/solution-5x6.dat", 5, 6},
        {"solutions/solution-6x6.dat", 6, 6}, {"solutions/solution-6x7.dat", 6, 7},
        {"solutions/solution-7x7.dat", 7, 7},
    };
    return list;
}

const std::vector<std::string>& Catalogue::gameFiles() {
    static const std::vector<std::string> list = {"readme.htm", "Glimmerdaledemo.cfg.static"};
    return list;
}
