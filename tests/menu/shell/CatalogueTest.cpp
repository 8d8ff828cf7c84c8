// What the loading run registered: every key of the catalogue with the kind
// of resource behind it, the frames of textures, the composite skins, the
// sounds' settings and the fonts.
#include "LoaderRun.h"

#include "FontQuad.h"
#include "Kiv.h"
#include "KivAudio.h"
#include "MixerOGGstatic.h"
#include "Quad.h"
#include "QuadMosaic.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "Sound.h"
#include "SoundStream.h"
#include "Texture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace shelltest {
namespace {

const char* const TEXTURES_WITH_FRAMES[] = {
    "gui-game-progressBar", "mousePointer", "bfstudios", "languageFlags", "autoConfigure", "gui-game-editbox",
    "gui-game-button", "gui-game-button-cloud", "gui-game-square", "gui-game-board-arrowR", "arrowPointer", "logo",
    "sky", "grass", "hills", "ground", "tree", "tree-b", "tree2", "smoke", "flare", "star", "butterfly", "ladybug",
    "chamomile", "apartment", "roofTile", "roof", "body", "eyes", "eyesBlink", "eyesGlow", "mouths", "mouthsGlow",
    "hair", "hairGlow", "brows", "browsGlow", "clown", "pole", "alarmClock", "hud", "thermometer", "circle",
    "solutionPath", "coin", "blob", "help", "help2", "help3", "intro1", "intro2", "map", "map1",
};

const char* const FONT_TEXTURES[] = {
    "fontTinyTex", "fontSmallTex", "fontMediumTex", "fontLargeTex1", "fontLargeTex2", "fontHUDTex",
    "fontBlackOutlineTexA", "fontBlackOutlineTexB",
};

const char* const MUSIC[] = {"musicMenu", "musicGame1", "musicGame2", "musicGame3", "musicHurry"};

const char* const SOUNDS[] = {
    "mouseClick", "pop", "doorOpen", "doorShut", "doorKnock", "honk", "vibe", "stardust", "clockTick", "bell",
    "breathIn", "breathOut", "coinBounce", "coinBounceEnd", "liquify", "bubble", "jingle01", "jingle02", "jingle03",
    "jingle04", "lose", "jingle06", "jingle06inv", "jingle07", "gameover", "voice0", "voice1", "voice2", "voice3",
    "voice4", "voice5", "voice6", "voice7", "voice8", "voice9", "voice10", "voice11", "voice12",
};

// Composite skins and the texture whose skin list they join.
struct Composite {
    const char* key;
    const char* owner;
};
const Composite COMPOSITES[] = {
    {"logo:all", "logo"},       {"grass:all", "grass"},       {"hills:all", "hills"},
    {"ground:all", "ground"},   {"tree:all", "tree"},         {"pole:medium", "pole"},
    {"pole:long", "pole"},      {"thermometer:stretchwood", "thermometer"},
    {"thermometer:stretchbulb", "thermometer"},               {"map:all", "map"},
};

KivBase* find(const std::string& key)
{
    return pKiv->pResourceManager->find(key, false);
}

Texture* texture(const std::string& key)
{
    return dynamic_cast<Texture*>(find(key));
}

int compositesOf(const std::string& owner)
{
    int count = 0;
    for (const Composite& composite : COMPOSITES)
        count += owner == composite.owner;
    return count;
}

TEST(Catalogue, EveryTextureIsRegisteredWithItsFramesAndComposites)
{
    loaderRun();
    for (const char* key : TEXTURES_WITH_FRAMES) {
        Texture* t = texture(key);
        ASSERT_NE(t, nullptr) << key;
        EXPECT_EQ(t->getParent(), pGlobal->pResourceRoot) << key;
        const size_t frames = t->skins.size() - static_cast<size_t>(compositesOf(key));
        ASSERT_GE(frames, 1u) << key;
        for (size_t i = 0; i < frames; ++i)
            EXPECT_EQ(find(std::string(key) + ":" + std::to_string(i)), t->skins[i]) << key << ":" << i;
        // Composites joined the skin list but have no frame number.
        EXPECT_EQ(find(std::string(key) + ":" + std::to_string(frames)), nullptr) << key;
    }
    for (const char* key : FONT_TEXTURES) {
        ASSERT_NE(texture(key), nullptr) << key;
        EXPECT_EQ(find(std::string(key) + ":0"), nullptr) << key;
    }
    for (const Composite& composite : COMPOSITES) {
        Skin* skin = dynamic_cast<Skin*>(find(composite.key));
        ASSERT_NE(skin, nullptr) << composite.key;
        const std::vector<Skin*>& skins = texture(composite.owner)->skins;
        EXPECT_NE(std::find(skins.end() - compositesOf(composite.owner), skins.end(), skin), skins.end())
            << composite.key;
    }
}

std::vector<Quad*> cellsOf(const char* key)
{
    QuadMosaic* mosaic = dynamic_cast<QuadMosaic*>(find(key));
    return mosaic ? mosaic->quads : std::vector<Quad*>();
}

Quad* frame(const char* key)
{
    return dynamic_cast<Quad*>(find(key));
}

TEST(Catalogue, MosaicsShowTheirFramesInTheListedOrder)
{
    loaderRun();
    struct Case {
        const char* key;
        int columns, rows;
        std::vector<const char*> frames;
    };
    const Case cases[] = {
        {"logo:all", 2, 1, {"logo:0", "logo:1"}},
        {"grass:all", 4, 1, {"grass:2", "grass:3", "grass:0", "grass:1"}},
        {"hills:all", 2, 1, {"hills:0", "hills:1"}},
        {"ground:all", 2, 1, {"ground:0", "ground:1"}},
        {"tree:all", 1, 2, {"tree:0", "tree-b:0"}},
        {"pole:medium", 2, 1, {"pole:1", "pole:2"}},
        {"pole:long", 2, 1, {"pole:3", "pole:4"}},
        {"map:all", 2, 1, {"map:0", "map1:0"}},
    };
    for (const Case& c : cases) {
        QuadMosaic* mosaic = dynamic_cast<QuadMosaic*>(find(c.key));
        ASSERT_NE(mosaic, nullptr) << c.key;
        EXPECT_EQ(mosaic->columns, c.columns) << c.key;
        EXPECT_EQ(mosaic->rows, c.rows) << c.key;
        std::vector<Quad*> expected;
        for (const char* f : c.frames)
            expected.push_back(frame(f));
        EXPECT_EQ(cellsOf(c.key), expected) << c.key;
    }
    // A stacked tree is as tall as its two frames, one above the other.
    EXPECT_FLOAT_EQ(static_cast<Skin*>(find("tree:all"))->height, frame("tree:0")->height + frame("tree-b:0")->height);
}

TEST(Catalogue, MusicAndSoundsAreRegisteredWithTheirSettings)
{
    loaderRun();
    for (const char* key : MUSIC) {
        ASSERT_NE(dynamic_cast<SoundStream*>(find(key)), nullptr) << key;
        EXPECT_EQ(find(key)->getParent(), pGlobal->pResourceRoot) << key;
    }
    for (const char* key : SOUNDS) {
        Sound* sound = dynamic_cast<Sound*>(find(key));
        ASSERT_NE(sound, nullptr) << key;
        if (sound->pSource) {
            EXPECT_EQ(sound->pSource->loop, std::string(key) == "clockTick") << key;
        }
    }
    struct Case {
        const char* key;
        double interval;
        float pitchMax;
    };
    const Case cases[] = {{"mouseClick", 0.0, 0.0f}, {"doorOpen", 0.075, 0.25f}, {"doorShut", 0.0, 0.5f}};
    for (const Case& c : cases) {
        const Sound* sound = static_cast<Sound*>(find(c.key));
        EXPECT_DOUBLE_EQ(sound->minStartInterval, c.interval) << c.key;
        EXPECT_FLOAT_EQ(sound->pitchMin, 0.0f) << c.key;
        EXPECT_FLOAT_EQ(sound->pitchMax, c.pitchMax) << c.key;
    }
    // The menu music plays from the third step on.
    EXPECT_EQ(pKiv->pAudio->pMusic, find("musicMenu"));
}

TEST(Catalogue, FontsAreSharedThroughGlobalWithTheirSettings)
{
    loaderRun();
    struct Case {
        const char* key;
        FontQuad* font;
        int spaceWidth;
        bool bUseCache;
        bool bOneCase;
    };
    const Case cases[] = {
        {"fontTiny", pGlobal->pFontTiny, 3, true, false},
        {"fontSmall", pGlobal->pFontSmall, 3, true, false},
        {"fontMedium", pGlobal->pFontMedium, 5, true, false},
        {"fontLarge", pGlobal->pFontLarge, 12, false, true},
        {"fontHUD", pGlobal->pFontHUD, 3, false, true},
        {"fontBlackOutline", pGlobal->pFontBlackOutline, 5, true, true},
        {"fontBlackOutline2", pGlobal->pFontBlackOutline2, 5, false, true},
    };
    for (const Case& c : cases) {
        ASSERT_NE(c.font, nullptr) << c.key;
        EXPECT_EQ(find(c.key), c.font) << c.key;
        EXPECT_EQ(c.font->spaceWidth, c.spaceWidth) << c.key;
        EXPECT_EQ(c.font->bUseCache, c.bUseCache) << c.key;
        ASSERT_NE(c.font->symbolData['a'].pQuad, nullptr) << c.key;
        EXPECT_EQ(c.font->symbolData['A'].pQuad == c.font->symbolData['a'].pQuad, c.bOneCase) << c.key;
    }
    // The HUD font begins at the comma; the large font continues on its second texture.
    EXPECT_EQ(pGlobal->pFontHUD->symbolData[43].pQuad, nullptr);
    EXPECT_NE(pGlobal->pFontHUD->symbolData[44].pQuad, nullptr);
    EXPECT_NE(pGlobal->pFontLarge->symbolData['z'].pQuad, nullptr);
    EXPECT_EQ(pGlobal->pFontSmall->symbolData['a'].spacing, 0);
    EXPECT_EQ(pGlobal->pFontLarge->symbolData['a'].spacing, -2);
    // Accented letters are composed in the medium font.
    EXPECT_NE(pGlobal->pFontMedium->symbolData[0xE9].pAccentQuad, nullptr);
    // The first outline font hangs its glyphs from their top centre; the second keeps its own anchors.
    const Skin* outline = pGlobal->pFontBlackOutline->symbolData['a'].pQuad;
    EXPECT_FLOAT_EQ(outline->origin.x, 0.0f);
    EXPECT_FLOAT_EQ(outline->origin.y, outline->height / 2);
    EXPECT_NE(pGlobal->pFontBlackOutline2->symbolData['a'].pQuad->origin.x, 0.0f);
}

TEST(Catalogue, CachedFontsKeepTheirGlyphImages)
{
    loaderRun();
    // The string cache copies glyphs from a kept image; the cached outline
    // font must have one like the other cached fonts.
    for (const char* key : {"fontTinyTex", "fontSmallTex", "fontMediumTex", "fontBlackOutlineTexA"}) {
        EXPECT_NE(texture(key)->flags & Texture::TEXTURE_KEEP_SOURCE, 0) << key;
        EXPECT_NE(texture(key)->pSavedSourceData, nullptr) << key;
    }
    for (const char* key : {"fontLargeTex1", "fontHUDTex", "fontBlackOutlineTexB"})
        EXPECT_EQ(texture(key)->flags, Texture::TEXTURE_SHRINK_TO_FIT) << key;
}

}
}
