// Every sound, music track and picture the loader registers (the game's
// own list, read from the resources it holds once loaded) is heard or drawn
// in some replay record, so that what the player sees and hears at the event
// behind each is compared with a record. The fonts' pictures, drawn through
// their texts, are left out. The few the game never brings are in no record,
// and a record that holds one of them fails too.
#include "GameHarness.h"

#include "FontQuad.h"
#include "Quad.h"
#include "Sound.h"
#include "SoundStream.h"
#include "Texture.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace {

using namespace testsupport;

// Never met in play: a smiley holds its breath (and runs out of it, in a
// puff of smoke) only when the impatience timer fires, at least 999999 s of
// play into a house; nothing plays "jingle06inv" or draws "pole:long".
const std::set<std::string> NEVER_MET = {"breathIn", "breathOut", "smoke", "jingle06inv", "pole:long"};

// The keys the records name as heard (sound, playing and end lines, the
// music on frame lines) and as drawn (the textures their looks draw from, a
// mosaic's cell "hills/1" as its texture; the skins their skin lines draw,
// "<...>" as the skin inside).
std::set<std::string> keysInRecords()
{
    std::set<std::string> keys;
    const auto word = [](const std::string& line, size_t from) {
        return line.substr(from, line.find(' ', from) - from);
    };
    for (const auto& entry : std::filesystem::directory_iterator(KIV_SOURCE_DIR "/tests/top/replay/records")) {
        std::ifstream record(entry.path());
        for (std::string line; std::getline(record, line);) {
            for (const char* head : {"sound ", "playing ", "end "})
                if (line.rfind(head, 0) == 0)
                    keys.insert(word(line, std::strlen(head)));
            if (const size_t music = line.find(", music "); line[0] == 'f' && music != std::string::npos)
                keys.insert(word(line, music + 8));
            if (line.rfind("skin ", 0) == 0) {
                const std::string skin = word(line, line.find(' ', 5) + 1);
                keys.insert(skin[0] == '<' ? skin.substr(1, skin.size() - 2) : skin);
            }
            // A skin's look names one key before its number; a text's, a
            // font and a string.
            if (line.rfind("look ", 0) != 0)
                continue;
            const size_t number = line.find(' ', 5) + 1, colon = line.find(": ");
            if (colon <= number || line.find_first_not_of("0123456789", number) != colon)
                continue;
            std::istringstream draws(line.substr(colon + 2));
            for (std::string draw; std::getline(draws, draw, ';');) {
                const std::string texture = word(draw, draw.find_first_not_of(' '));
                if (std::isalpha(static_cast<unsigned char>(texture[0])))
                    keys.insert(texture.substr(0, texture.find('/')));
            }
        }
    }
    return keys;
}

// The textures a font draws its glyphs from.
std::set<const Texture*> fontTextures()
{
    std::set<const Texture*> textures;
    for (const BasicLink* link = pGlobal->pResourceRoot->pFirstChild; link; link = link->pNext)
        if (const FontQuad* font = dynamic_cast<const FontQuad*>(static_cast<const KivBase*>(link)))
            for (const FontQuad::Symbol& symbol : font->symbolData)
                for (const Skin* glyph : {symbol.pQuad, symbol.pAccentQuad})
                    if (const Quad* quad = dynamic_cast<const Quad*>(glyph))
                        textures.insert(quad->pTexture);
    return textures;
}

// Each sound and music track, each texture but the fonts', and each skin
// made from a texture's frames at load time ("pole:medium"), by key.
std::vector<std::string> catalogue()
{
    std::vector<std::string> keys;
    const std::set<const Texture*> ofFonts = fontTextures();
    for (const BasicLink* link = pGlobal->pResourceRoot->pFirstChild; link; link = link->pNext) {
        const KivBase* resource = static_cast<const KivBase*>(link);
        const std::string key = pKiv->pResourceManager->findKey(resource);
        if (dynamic_cast<const Sound*>(resource) || dynamic_cast<const SoundStream*>(resource))
            keys.push_back(key);
        const Texture* texture = dynamic_cast<const Texture*>(resource);
        if (!texture || ofFonts.count(texture))
            continue;
        keys.push_back(key);
        for (size_t i = 0; i < texture->skins.size(); ++i)
            if (const std::string skin = pKiv->pResourceManager->findKey(texture->skins[i]);
                !skin.empty() && skin != key + ":" + std::to_string(i))
                keys.push_back(skin);
    }
    return keys;
}

TEST(Catalogue, EverySoundAndPictureButTheFontsIsMetInSomeRecord)
{
    if (const char* rewrite = std::getenv("KIV_REWRITE_REPLAYS"); rewrite && *rewrite && std::string(rewrite) != "0")
        GTEST_SKIP() << "the records are being rewritten";
    GameHarness::get();
    const std::set<std::string> met = keysInRecords();
    std::vector<std::string> unmet, metAfterAll;
    for (const std::string& key : catalogue())
        if (NEVER_MET.count(key) && met.count(key))
            metAfterAll.push_back(key);
        else if (!NEVER_MET.count(key) && !met.count(key))
            unmet.push_back(key);
    EXPECT_EQ(unmet, std::vector<std::string>()) << "heard or drawn in no record of tests/top/replay/records";
    EXPECT_EQ(metAfterAll, std::vector<std::string>()) << "met in a record, though the game never brings them";
}

} // namespace
