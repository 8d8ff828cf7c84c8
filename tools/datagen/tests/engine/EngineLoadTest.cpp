// Loads the packed data set through the engine itself, as the game's loader
// does: the archive, every texture with its skin file and creation flags,
// the fonts with their settings, every sound and music track. Any file the
// engine refuses is fatal and ends this program.
#include "Catalogue.h"
#include "FileManager.h"
#include "FontQuad.h"
#include "Kiv.h"
#include "QuadMosaic.h"
#include "Sound.h"
#include "SoundStream.h"
#include "Texture.h"
#include "WindowedEngine.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <unistd.h>

namespace {

// The engine starts in the game folder, beside the archive and the loose
// edition settings.
class DataEngine : public WindowedEngine {
public:
    void SetUp() override {
        ASSERT_EQ(0, chdir(KIV_BINARY_DIR "/data"));
        WindowedEngine::SetUp();
        ASSERT_TRUE(pKiv->pFileManager->useWad("./Glimmerdaledemo.dat"));
    }
};

::testing::Environment* const engine = ::testing::AddGlobalTestEnvironment(new DataEngine);

TEST(EngineLoadTest, TheArchiveHoldsEveryCatalogueFile) {
    for (const Catalogue::Texture& t : Catalogue::textures()) {
        EXPECT_TRUE(pKiv->pFileManager->exists(t.path)) << t.path;
        EXPECT_TRUE(pKiv->pFileManager->exists(t.path + ".ini")) << t.path;
    }
    for (const auto* list : {&Catalogue::sounds(), &Catalogue::music()})
        for (const std::string& path : *list)
            EXPECT_TRUE(pKiv->pFileManager->exists(path)) << path;
    for (const Catalogue::Solution& s : Catalogue::solutions())
        EXPECT_TRUE(pKiv->pFileManager->exists(s.path)) << s.path;
}

TEST(EngineLoadTest, TexturesLoadWholeWithTheirFrames) {
    for (const Catalogue::Texture& t : Catalogue::textures()) {
        SCOPED_TRACE(t.path);
        std::unique_ptr<Texture> texture(new Texture(t.path, t.flags));
        EXPECT_GE(static_cast<int>(texture->skins.size()), t.minFrames);
        // Neither halved nor cut into a mosaic: stretch skins, bending
        // quads and the font cache need plain quads on the full image.
        EXPECT_EQ(texture->realWidth, texture->width);
        for (const Skin* skin : texture->skins)
            EXPECT_EQ(nullptr, dynamic_cast<const QuadMosaic*>(skin));
    }
}

struct FontSetting {
    std::vector<const char*> files;
    uint16_t firstSymbol;
    int spaceWidth;
    int spacing;
    int flags;
};

std::unique_ptr<FontQuad> buildFont(const FontSetting& setting, std::vector<std::unique_ptr<Texture>>& textures) {
    std::unique_ptr<FontQuad> font(new FontQuad());
    font->spaceWidth = setting.spaceWidth;
    font->defaultSpacing = setting.spacing;
    uint16_t first = setting.firstSymbol;
    for (const char* file : setting.files) {
        textures.emplace_back(new Texture(file, setting.flags));
        font->addSourceTexture(textures.back().get(), first);
        first = FontQuad::CONTINUE;
    }
    return font;
}

TEST(EngineLoadTest, FontsFillTheCodesTheTextsUse) {
    struct Case {
        FontSetting setting;
        int firstCode, lastCode;
    };
    const Case cases[] = {
        {{{"gfx/font/font-tiny.tga"}, FontQuad::CONTINUE, 3, 1, 10}, 33, 126},
        {{{"gfx/font/font-small.tga"}, 33, 3, 0, 10}, 33, 126},
        {{{"gfx/font/font-medium.tga"}, 0, 5, 0, 10}, 33, 126},
        {{{"gfx/font/font-large-1.tga", "gfx/font/font-large-2.tga"}, 33, 12, -2, 2}, 33, 126},
        {{{"gfx/font/font-hud.tga"}, 44, 3, -4, 2}, 44, 129},
        {{{"gfx/font/font-blackoutline.tga"}, 33, 5, 1, 2}, 33, 129},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting.files.front());
        std::vector<std::unique_ptr<Texture>> textures;
        std::unique_ptr<FontQuad> font = buildFont(c.setting, textures);
        for (int code = c.firstCode; code <= c.lastCode; ++code)
            EXPECT_NE(nullptr, font->getSymbolData(code).pQuad) << "code " << code;
        EXPECT_GT(font->lineHeight, 0);
        EXPECT_LE(font->lineHeight, 254);
        EXPECT_GT(font->measure("impassable pass").width, 0);
        font.reset();
    }
}

TEST(EngineLoadTest, TheMediumFontComposesItsAccentedLetters) {
    std::vector<std::unique_ptr<Texture>> textures;
    const std::unique_ptr<FontQuad> font =
        buildFont({{"gfx/font/font-medium.tga"}, 0, 5, 0, 10}, textures);
    font->accentRaiseUpper = 4;
    font->accentRaiseLower = 4;
    font->setupCompositeChars();
    for (int code : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 127, 192, 199, 231, 255})
        EXPECT_NE(nullptr, font->getSymbolData(code).pQuad) << "code " << code;
    EXPECT_NE(nullptr, font->getSymbolData(0xE9).pAccentQuad);
    // Dialog text must fit the cache strips of one 256-pixel texture.
    EXPECT_LT(font->measure("Impassable Pass").width, 256);
}

TEST(EngineLoadTest, SoundsAndMusicOpen) {
    for (const std::string& path : Catalogue::sounds()) {
        SCOPED_TRACE(path);
        std::unique_ptr<Sound> sound(new Sound(path, path == "sfx/clockTick.ogg", 2));
    }
    for (const std::string& path : Catalogue::music()) {
        SCOPED_TRACE(path);
        std::unique_ptr<SoundStream> music(new SoundStream(path, true));
    }
}

}  // namespace
