#pragma once
// ResourceCatalogue: every texture, font, sound and music track the loader
// loads, the fixed short key each is registered under (never derived from
// the file name: "gfx/arrow.tga" is "arrowPointer"), and the set-up done at
// load time: skin anchors, composite skins ("hills:all", "pole:long", the
// thermometer's stretch skins) and the fonts' settings. Each entry becomes
// one loader step; the loader adds the steps that are not plain loads. What
// it loads belongs to Global's resource root; composite skins belong to the
// texture whose skin list they join. Main thread only, during loading.
#include "Loader.h"

#include <vector>

class ResourceCatalogue {
public:
    static constexpr int MENU_MUSIC_STEPS = 1;
    static constexpr int GAME_MUSIC_STEPS = 4;
    static constexpr int FONT_TEXTURE_STEPS = 10;
    static constexpr int RESOURCE_STEPS = 95;

    // "musicMenu".
    static void appendMenuMusic(std::vector<Loader::Step>& steps);
    // "musicGame1" to "musicGame3" and "musicHurry".
    static void appendGameMusic(std::vector<Loader::Step>& steps);
    // The maker's logo, the language flags and the glyph textures of the fonts.
    static void appendFontTextures(std::vector<Loader::Step>& steps);
    // GUI, scenery, props, smiley features, HUD, help, intro and map
    // pictures, then the sounds, then the seven shared fonts of Global.
    static void appendResources(std::vector<Loader::Step>& steps);
};
