#include "ResourceCatalogue.h"

#include "ErrorManager.h"
#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "Quad.h"
#include "QuadMosaic.h"
#include "ResourceManager.h"
#include "Sound.h"
#include "SoundStream.h"
#include "Texture.h"
#include "VStretchSkin.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace {

constexpr int SHRINK = Texture::TEXTURE_SHRINK_TO_FIT;
// The fixed-size glyph images keep their source so that the rendered-string
// cache can copy glyphs from them.
constexpr int SHRINK_KEEP = Texture::TEXTURE_SHRINK_TO_FIT | Texture::TEXTURE_KEEP_SOURCE;

// Keypad codes of a skin's anchor.
enum Anchor {
    BOTTOM_LEFT = 1,
    BOTTOM_CENTRE = 2,
    BOTTOM_RIGHT = 3,
    MIDDLE_LEFT = 4,
    CENTRE = 5,
    TOP_LEFT = 7,
    TOP_CENTRE = 8,
};

struct MusicEntry {
    const char* key;
    const char* file;
};

struct FontTextureEntry {
    const char* key;
    const char* file;
    int flags;
    bool bWithFrames;
};

struct TextureEntry {
    const char* key;
    const char* file;
    int flags;
    // Set-up after registration; may be null.
    void (*setUp)(Texture* texture);
};

struct SoundEntry {
    const char* key;
    const char* file;
    bool bLoop;
    int maxPlaybacks;
    double minStartInterval;
    float pitchMin;
    float pitchMax;
};

struct FontEntry {
    const char* key;
    FontQuad* Global::*member;
    // Glyph textures in order, each with its first symbol; up to two.
    const char* textureKeys[2];
    uint16_t firstSymbols[2];
    int spaceWidth;
    int defaultSpacing;
    // Settings made before the glyphs are added, and what follows them; may be
    // null.
    void (*setUp)(FontQuad* font);
    void (*finish)(FontQuad* font);
};

const MusicEntry MENU_MUSIC = {"musicMenu", "sfx/music/main.ogg"};

const MusicEntry GAME_MUSIC[] = {
    {"musicGame1", "sfx/music/ingame.ogg"},
    {"musicGame2", "sfx/music/ingame2.ogg"},
    {"musicGame3", "sfx/music/ingame4.ogg"},
    {"musicHurry", "sfx/music/ingame3.ogg"},
};

const FontTextureEntry FONT_TEXTURES[] = {
    {"bfstudios", "gfx/system/bfstudios.tga", 0, true},
    {"languageFlags", "gfx/system/languageflags.tga", 0, true},
    {"fontTinyTex", "gfx/font/font-tiny.tga", SHRINK_KEEP, false},
    {"fontSmallTex", "gfx/font/font-small.tga", SHRINK_KEEP, false},
    {"fontMediumTex", "gfx/font/font-medium.tga", SHRINK_KEEP, false},
    {"fontLargeTex1", "gfx/font/font-large-1.tga", SHRINK, false},
    {"fontLargeTex2", "gfx/font/font-large-2.tga", SHRINK, false},
    {"fontHUDTex", "gfx/font/font-hud.tga", SHRINK, false},
    // The first outline font draws through the string cache, which copies
    // glyphs from a kept source image.
    {"fontBlackOutlineTexA", "gfx/font/font-blackoutline.tga", SHRINK_KEEP, false},
    {"fontBlackOutlineTexB", "gfx/font/font-blackoutline.tga", SHRINK, false},
};

Skin* skinAt(Texture* texture, size_t index)
{
    KIV_ASSERT(index < texture->skins.size());
    return texture->skins[index];
}

void setAnchor(Texture* texture, std::initializer_list<size_t> skins, int anchor)
{
    for (size_t index : skins)
        skinAt(texture, index)->setOriginLocation(anchor);
}

Quad* findFrame(const char* key)
{
    Quad* quad = dynamic_cast<Quad*>(pKiv->pResourceManager->find(key));
    KIV_ASSERT(quad != nullptr);
    return quad;
}

// A mosaic of registered frames, filled row by row from the top-left, joined
// to the owner's skins and registered under key. anchor 0 keeps the centre.
void addMosaic(Texture* owner, const UString& key, int columns, int rows, std::initializer_list<const char*> frames,
               int anchor)
{
    QuadMosaic* mosaic = new QuadMosaic();
    mosaic->setGridSize(columns, rows);
    size_t cell = 0;
    for (const char* frame : frames)
        mosaic->quads[cell++] = findFrame(frame);
    mosaic->updateLayout();
    if (anchor != 0)
        mosaic->setOriginLocation(anchor);
    owner->skins.push_back(mosaic);
    pKiv->pResourceManager->addResource(key, mosaic);
}

void addVStretch(Texture* owner, const UString& key, size_t sourceSkin, int topCap, int bottomCap)
{
    VStretchSkin* stretch = new VStretchSkin();
    stretch->setSource(skinAt(owner, sourceSkin), topCap, bottomCap);
    owner->skins.push_back(stretch);
    pKiv->pResourceManager->addResource(key, stretch);
}

Texture* loadTextureFrames(const char* key, const char* file, int flags)
{
    Texture* texture = new Texture(file, flags);
    registerTextureFrames(key, texture);
    return texture;
}

const TextureEntry TEXTURES[] = {
    {"autoConfigure", "gfx/system/autoconfigure.tga", 0, [](Texture* t) { setAnchor(t, {0}, TOP_LEFT); }},
    {"gui-game-editbox", "gfx/gui/game/editbox.tga", SHRINK, nullptr},
    {"gui-game-button", "gfx/gui/game/button.tga", SHRINK, nullptr},
    {"gui-game-button-cloud", "gfx/gui/game/button-cloud.tga", SHRINK, nullptr},
    {"gui-game-square", "gfx/gui/game/square.tga", SHRINK, nullptr},
    {"gui-game-board-arrowR", "gfx/gui/game/board-arrowR.tga", SHRINK, nullptr},
    {"arrowPointer", "gfx/arrow.tga", 0, nullptr},
    {"logo", "gfx/logoS.tga", SHRINK,
     [](Texture* t) { addMosaic(t, "logo:all", 2, 1, {"logo:0", "logo:1"}, 0); }},
    {"sky", "gfx/sky-colormatched-blurred.tga", 0, [](Texture* t) { setAnchor(t, {0}, BOTTOM_LEFT); }},
    {"grass", "gfx/grass.tga", SHRINK,
     [](Texture* t) { addMosaic(t, "grass:all", 4, 1, {"grass:2", "grass:3", "grass:0", "grass:1"}, BOTTOM_LEFT); }},
    {"hills", "gfx/hills.tga", SHRINK,
     [](Texture* t) { addMosaic(t, "hills:all", 2, 1, {"hills:0", "hills:1"}, BOTTOM_LEFT); }},
    {"ground", "gfx/ground.tga", SHRINK,
     [](Texture* t) { addMosaic(t, "ground:all", 2, 1, {"ground:0", "ground:1"}, TOP_LEFT); }},
    {"tree", "gfx/tree_0_0.tga", SHRINK,
     [](Texture* t) {
         loadTextureFrames("tree-b", "gfx/tree_0_1.tga", SHRINK);
         addMosaic(t, "tree:all", 1, 2, {"tree:0", "tree-b:0"}, BOTTOM_CENTRE);
     }},
    {"tree2", "gfx/tree2.tga", 0, [](Texture* t) { setAnchor(t, {0}, BOTTOM_CENTRE); }},
    {"smoke", "gfx/3ds_smoke.tga", 0, nullptr},
    {"flare", "gfx/flare.tga", 0, nullptr},
    {"star", "gfx/star.tga", 0, nullptr},
    {"butterfly", "gfx/butterfly.tga", 0, nullptr},
    {"ladybug", "gfx/ladybug.tga", 0, nullptr},
    {"chamomile", "gfx/chamomile.tga", 0, nullptr},
    {"apartment", "gfx/apartment.tga", 0,
     [](Texture* t) {
         setAnchor(t, {1}, BOTTOM_CENTRE);
         setAnchor(t, {2, 3}, BOTTOM_RIGHT);
     }},
    {"roofTile", "gfx/roof-tileXY.tga", 0, nullptr},
    {"roof", "gfx/roof.tga", 0,
     [](Texture* t) {
         setAnchor(t, {0, 1}, BOTTOM_LEFT);
         setAnchor(t, {3}, BOTTOM_RIGHT);
     }},
    {"body", "gfx/body.tga", 0, nullptr},
    {"eyes", "gfx/eyes.tga", 0, nullptr},
    {"eyesBlink", "gfx/eyes-blink.tga", 0, nullptr},
    {"eyesGlow", "gfx/eyes-glow.tga", 0, nullptr},
    {"mouths", "gfx/mouths.tga", 0, nullptr},
    {"mouthsGlow", "gfx/mouths-glow.tga", 0, nullptr},
    {"hair", "gfx/hair.tga", 0, nullptr},
    {"hairGlow", "gfx/hair-glow.tga", 0, nullptr},
    {"brows", "gfx/eyebrows.tga", 0, nullptr},
    {"browsGlow", "gfx/eyebrows-glow.tga", 0, nullptr},
    {"clown", "gfx/clown.tga", 0, nullptr},
    {"pole", "gfx/pole.tga", 0,
     [](Texture* t) {
         setAnchor(t, {0}, MIDDLE_LEFT);
         addMosaic(t, "pole:medium", 2, 1, {"pole:1", "pole:2"}, MIDDLE_LEFT);
         addMosaic(t, "pole:long", 2, 1, {"pole:3", "pole:4"}, MIDDLE_LEFT);
     }},
    {"alarmClock", "gfx/alarmclock-countdown.tga", 0,
     [](Texture* t) {
         for (Skin* skin : t->skins)
             skin->setOriginLocation(BOTTOM_CENTRE);
     }},
    {"hud", "gfx/hud.tga", 0, [](Texture* t) { setAnchor(t, {0, 3}, TOP_LEFT); }},
    {"thermometer", "gfx/thermometer2.tga", 0,
     [](Texture* t) {
         addVStretch(t, "thermometer:stretchwood", 0, 12, 41);
         addVStretch(t, "thermometer:stretchbulb", 1, 10, 40);
     }},
    {"circle", "gfx/circle.tga", 0, nullptr},
    {"solutionPath", "gfx/solutionpath.tga", 0, [](Texture* t) { setAnchor(t, {2}, MIDDLE_LEFT); }},
    {"coin", "gfx/coin.tga", 0, nullptr},
    {"blob", "gfx/blob.tga", 0, nullptr},
    {"help", "gfx/help.tga", 0, nullptr},
    {"help2", "gfx/help2.tga", 0, nullptr},
    {"help3", "gfx/help3.tga", 0, nullptr},
    {"intro1", "gfx/intro1.tga", 0, nullptr},
    {"intro2", "gfx/intro2.tga", 0, nullptr},
    {"map", "gfx/map_0_0.tga", 0, nullptr},
    {"map1", "gfx/map_1_0.tga", 0,
     [](Texture*) {
         addMosaic(pKiv->pResourceManager->findAs<Texture>("map"), "map:all", 2, 1, {"map:0", "map1:0"}, CENTRE);
     }},
};

const SoundEntry SOUNDS[] = {
    {"mouseClick", "sfx/clickXP.ogg", false, 2, 0.0, 0.0f, 0.0f},
    {"pop", "sfx/pop.ogg", false, 3, 0.025, 0.0f, 0.0f},
    {"doorOpen", "sfx/dooropen.ogg", false, 3, 0.075, 0.0f, 0.25f},
    {"doorShut", "sfx/doorshut.ogg", false, 1, 0.0, 0.0f, 0.5f},
    {"doorKnock", "sfx/doorknock.ogg", false, 1, 0.0, 0.0f, 0.0f},
    {"honk", "sfx/honk.ogg", false, 2, 0.0, 0.0f, 0.0f},
    {"vibe", "sfx/thermo1.ogg", false, 4, 0.025, 0.0f, 0.0f},
    {"stardust", "sfx/stardust.ogg", false, 2, 0.0, 0.0f, 0.0f},
    {"clockTick", "sfx/clockTick.ogg", true, 4, 0.0, 0.0f, 0.0f},
    {"bell", "sfx/bell.ogg", false, 2, 0.0, 0.0f, 0.25f},
    {"breathIn", "sfx/voice-breathein.ogg", false, 2, 0.0, 0.0f, 0.0f},
    {"breathOut", "sfx/voice-breatheOut.ogg", false, 2, 0.075, 0.0f, 0.0f},
    {"coinBounce", "sfx/coinbounce.ogg", false, 3, 0.0, 0.0f, 0.25f},
    {"coinBounceEnd", "sfx/coinbounceend.ogg", false, 3, 0.0, 0.0f, 0.0f},
    {"liquify", "sfx/liquify.ogg", false, 2, 0.0, 0.0f, 0.0f},
    {"bubble", "sfx/bubbles.ogg", false, 4, 0.0, 0.0f, 0.0f},
    {"jingle01", "sfx/jingle01.ogg", false, 3, 0.0, 0.0f, 0.0f},
    {"jingle02", "sfx/jingle02.ogg", false, 3, 0.0, 0.0f, 0.0f},
    {"jingle03", "sfx/jingle03.ogg", false, 3, 0.0, 0.0f, 0.0f},
    {"jingle04", "sfx/jingle04.ogg", false, 3, 0.0, 0.0f, 0.0f},
    {"lose", "sfx/jingle05.ogg", false, 3, 0.0, 0.0f, 0.0f},
    {"jingle06", "sfx/jingle06.ogg", false, 3, 0.0, 0.0f, 0.0f},
    {"jingle06inv", "sfx/jingle06inv.ogg", false, 3, 0.0, 0.0f, 0.0f},
    {"jingle07", "sfx/jingle07.ogg", false, 3, 0.0, 0.0f, 0.0f},
    {"gameover", "sfx/gameover.ogg", false, 3, 0.0, 0.0f, 0.0f},
    {"voice0", "sfx/voice-ihihi.ogg", false, 2, 0.0, 0.0f, 0.0f},
    {"voice1", "sfx/voice-mh-huh.ogg", false, 2, 0.0, 0.0f, 0.0f},
    {"voice2", "sfx/voice-mhm.ogg", false, 2, 0.0, 0.0f, 0.0f},
    {"voice3", "sfx/voice-mui.ogg", false, 2, 0.0, 0.0f, 0.0f},
    {"voice4", "sfx/voice-muiu.ogg", false, 2, 0.0, 0.0f, 0.0f},
    {"voice5", "sfx/voice-ow.ogg", false, 2, 0.0, 0.0f, 0.0f},
    {"voice6", "sfx/voice-huhu.ogg", false, 2, 0.0, 0.0f, 0.0f},
    {"voice7", "sfx/voice-sniffin.ogg", false, 2, 0.0, 0.0f, 0.0f},
    {"voice8", "sfx/voice-sniffout.ogg", false, 2, 0.0, 0.0f, 0.0f},
    {"voice9", "sfx/voice-hut.ogg", false, 2, 0.0, 0.0f, 0.0f},
    {"voice10", "sfx/voice-hut2.ogg", false, 2, 0.0, 0.0f, 0.0f},
    {"voice11", "sfx/voice-hmpf.ogg", false, 2, 0.0, 0.0f, 0.0f},
    {"voice12", "sfx/voice-ahhah.ogg", false, 2, 0.0, 0.0f, 0.0f},
    {"firework", "sfx/firework.ogg", false, 3, 0.0, 0.0f, 0.0f},
};

// These fonts have one case: the capitals show the small letters.
void copyCapitalsFromSmallLetters(FontQuad* font)
{
    for (int i = 0; i < 26; ++i)
        font->symbolData['A' + i] = font->symbolData['a' + i];
}

void setWhiteCacheBackground(FontQuad* font)
{
    font->bWhiteCacheBackground = true;
}

void turnCacheOff(FontQuad* font)
{
    font->bUseCache = false;
}

const FontEntry FONTS[] = {
    {"fontTiny", &Global::pFontTiny, {"fontTinyTex", nullptr}, {FontQuad::CONTINUE, 0}, 3, 1, setWhiteCacheBackground,
     nullptr},
    {"fontSmall", &Global::pFontSmall, {"fontSmallTex", nullptr}, {33, 0}, 3, 0, setWhiteCacheBackground, nullptr},
    {"fontMedium", &Global::pFontMedium, {"fontMediumTex", nullptr}, {0, 0}, 5, 0,
     [](FontQuad* f) {
         f->bWhiteCacheBackground = true;
         f->accentRaiseUpper = 4;
         f->accentRaiseLower = 4;
     },
     [](FontQuad* f) { f->setupCompositeChars(); }},
    {"fontLarge", &Global::pFontLarge, {"fontLargeTex1", "fontLargeTex2"}, {33, FontQuad::CONTINUE}, 12, -2,
     turnCacheOff, copyCapitalsFromSmallLetters},
    {"fontHUD", &Global::pFontHUD, {"fontHUDTex", nullptr}, {44, 0}, 3, -4, turnCacheOff,
     copyCapitalsFromSmallLetters},
    {"fontBlackOutline", &Global::pFontBlackOutline, {"fontBlackOutlineTexA", nullptr}, {33, 0}, 5, 1, nullptr,
     [](FontQuad* f) {
         for (int code = 0; code < 256; ++code)
             if (Skin* glyph = f->symbolData[code].pQuad)
                 glyph->setOriginLocation(TOP_CENTRE);
         copyCapitalsFromSmallLetters(f);
     }},
    {"fontBlackOutline2", &Global::pFontBlackOutline2, {"fontBlackOutlineTexB", nullptr}, {33, 0}, 5, -3,
     turnCacheOff, copyCapitalsFromSmallLetters},
};

void loadFont(const FontEntry& entry)
{
    FontQuad* font = new FontQuad();
    pGlobal->*entry.member = font;
    font->spaceWidth = entry.spaceWidth;
    // Each glyph takes the default spacing when it is added.
    font->defaultSpacing = entry.defaultSpacing;
    if (entry.setUp)
        entry.setUp(font);
    for (size_t i = 0; i < 2 && entry.textureKeys[i]; ++i)
        font->addSourceTexture(pKiv->pResourceManager->findAs<Texture>(entry.textureKeys[i]), entry.firstSymbols[i]);
    if (entry.finish)
        entry.finish(font);
    registerResource(entry.key, font);
}

void loadMusic(const MusicEntry& entry)
{
    registerResource(entry.key, new SoundStream(entry.file, true));
}

}

void ResourceCatalogue::appendMenuMusic(std::vector<Loader::Step>& steps)
{
    steps.push_back([] { loadMusic(MENU_MUSIC); });
}

void ResourceCatalogue::appendGameMusic(std::vector<Loader::Step>& steps)
{
    for (const MusicEntry& entry : GAME_MUSIC)
        steps.push_back([&entry] { loadMusic(entry); });
}

void ResourceCatalogue::appendFontTextures(std::vector<Loader::Step>& steps)
{
    for (const FontTextureEntry& entry : FONT_TEXTURES)
        steps.push_back([&entry] {
            Texture* texture = new Texture(entry.file, entry.flags);
            if (entry.bWithFrames)
                registerTextureFrames(entry.key, texture);
            else
                registerResource(entry.key, texture);
        });
}

void ResourceCatalogue::appendResources(std::vector<Loader::Step>& steps)
{
    for (const TextureEntry& entry : TEXTURES)
        steps.push_back([&entry] {
            Texture* texture = loadTextureFrames(entry.key, entry.file, entry.flags);
            if (entry.setUp)
                entry.setUp(texture);
        });
    for (const SoundEntry& entry : SOUNDS)
        steps.push_back([&entry] {
            Sound* sound = new Sound(entry.file, entry.bLoop, entry.maxPlaybacks);
            sound->minStartInterval = entry.minStartInterval;
            sound->pitchMin = entry.pitchMin;
            sound->pitchMax = entry.pitchMax;
            registerResource(entry.key, sound);
        });
    for (const FontEntry& entry : FONTS)
        steps.push_back([&entry] { loadFont(entry); });
}

static_assert(sizeof(GAME_MUSIC) / sizeof(GAME_MUSIC[0]) == ResourceCatalogue::GAME_MUSIC_STEPS);
static_assert(sizeof(FONT_TEXTURES) / sizeof(FONT_TEXTURES[0]) == ResourceCatalogue::FONT_TEXTURE_STEPS);
static_assert(sizeof(TEXTURES) / sizeof(TEXTURES[0]) + sizeof(SOUNDS) / sizeof(SOUNDS[0]) +
                  sizeof(FONTS) / sizeof(FONTS[0]) ==
              ResourceCatalogue::RESOURCE_STEPS);
