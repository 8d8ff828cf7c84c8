// Checks the data set that the build generated (build/data-src and the loose
// files of build/data) the way the game reads it: images through the
// engine's TGA decoder and skin files through its ini parser.
#include "MemoryImageFile.h"
#include "MemoryIniFile.h"
#include "WholeFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kStaging = std::string(KIV_BINARY_DIR) + "/data-src/";

struct Skin { int left, top, width, height; };

struct Texture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
    std::vector<Skin> skins;
    int alphaAt(int x, int y) const { return rgba[(static_cast<size_t>(y) * width + x) * 4 + 3]; }
};

// Loads an image and its skin file as the engine does; fails the test on
// anything the engine would refuse.
Texture loadTexture(const std::string& path) {
    Texture t;
    const std::string bytes = readWholeFile(kStaging + path);
    MemoryImageFile image(1, 1);
    UString error;
    EXPECT_TRUE(image.decodeTGA(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), false, error))
        << path << ": " << error;
    t.width = image.width;
    t.height = image.height;
    t.rgba.assign(image.pImageData, image.pImageData + static_cast<size_t>(image.width) * image.height * 4);
    const std::string text = readWholeFile(kStaging + path + ".ini");
    MemoryIniFile ini;
    ini.parse(text.data(), text.size());
    for (int i = 0; i < ini.getSectionCount(); ++i) {
        const UString section = "Skin " + std::to_string(i);
        EXPECT_TRUE(ini.hasSection(section)) << path << " lacks " << section;
        if (!ini.hasSection(section))
            break;
        t.skins.push_back({ini.getInt(section, "left"), ini.getInt(section, "top"), ini.getInt(section, "width"),
                           ini.getInt(section, "height")});
    }
    return t;
}

TEST(DataSetTest, FontsHaveAGlyphSkinForEveryCodeTheyServe) {
    struct FontCase { std::vector<std::string> files; int glyphs; };
    const FontCase cases[] = {
        {{"gfx/font/font-tiny.tga"}, 94},
        {{"gfx/font/font-small.tga"}, 94},
        {{"gfx/font/font-medium.tga"}, 256},
        {{"gfx/font/font-large-1.tga", "gfx/font/font-large-2.tga"}, 94},
        {{"gfx/font/font-hud.tga"}, 86},
        {{"gfx/font/font-blackoutline.tga"}, 97},
    };
    for (const FontCase& c : cases) {
        SCOPED_TRACE(c.files.front());
        int total = 0;
        for (const std::string& file : c.files)
            total += static_cast<int>(loadTexture(file).skins.size());
        EXPECT_EQ(c.glyphs, total);
    }
    // The medium font starts at code 0: the accent marks and the special
    // symbols must carry ink, the cedilla a full-height cell.
    const Texture medium = loadTexture("gfx/font/font-medium.tga");
    const int lineHeight = medium.skins['A'].height;
    for (int code : {1, 10, 96, 127, 168, 180, 184, int('A')}) {
        const Skin& s = medium.skins[static_cast<size_t>(code)];
        int ink = 0;
        for (int y = s.top; y < s.top + s.height; ++y)
            for (int x = s.left; x < s.left + s.width; ++x)
                ink += medium.alphaAt(x, y) > 0;
        EXPECT_GT(ink, 0) << "code " << code;
    }
    EXPECT_EQ(lineHeight, medium.skins[184].height);
    EXPECT_LT(medium.skins[180].height, lineHeight / 2);
}

// Frames a mosaic shows edge to edge: bilinear filtering reads one texel past
// each joined edge, so that texel must be the true neighbour's edge (for a
// strip that repeats, the last frame's neighbour is the first), and the outer
// one of a strip that ends must be transparent with the edge's colour.
TEST(DataSetTest, JoinedFramesCarryTheirNeighboursEdgesBeyondTheirSkins) {
    struct Frame { const char* file; int skin; };
    struct Strip { std::vector<Frame> frames; bool bAcross, bRepeats; };
    const Strip strips[] = {
        {{{"gfx/logoS.tga", 0}, {"gfx/logoS.tga", 1}}, true, false},
        {{{"gfx/grass.tga", 2}, {"gfx/grass.tga", 3}, {"gfx/grass.tga", 0}, {"gfx/grass.tga", 1}}, true, true},
        {{{"gfx/tree_0_0.tga", 0}, {"gfx/tree_0_1.tga", 0}}, false, false},
        {{{"gfx/pole.tga", 1}, {"gfx/pole.tga", 2}}, true, false},
        {{{"gfx/map_0_0.tga", 0}, {"gfx/map_1_0.tga", 0}}, true, false},
    };
    // Texel i along the frame's edge line `offset` steps out from its start
    // (offset -1) or end (offset +1) side, where 0 is the edge itself.
    auto texel = [](const Texture& t, const Skin& s, bool bAcross, bool bEnd, int offset, int i) {
        const int x = bAcross ? (bEnd ? s.left + s.width - 1 + offset : s.left - offset) : s.left + i;
        const int y = bAcross ? s.top + i : (bEnd ? s.top + s.height - 1 + offset : s.top - offset);
        const uint8_t* p = &t.rgba[(static_cast<size_t>(y) * t.width + x) * 4];
        return std::vector<int>(p, p + 4);
    };
    for (const Strip& strip : strips) {
        SCOPED_TRACE(strip.frames.front().file);
        std::vector<Texture> textures;
        for (const Frame& f : strip.frames)
            textures.push_back(loadTexture(f.file));
        const size_t count = strip.frames.size();
        for (size_t n = 0; n < count; ++n) {
            SCOPED_TRACE("mosaic position " + std::to_string(n));
            const Texture& t = textures[n];
            ASSERT_LT(strip.frames[n].skin, static_cast<int>(t.skins.size()));
            const Skin& s = t.skins[strip.frames[n].skin];
            const int length = strip.bAcross ? s.height : s.width;
            ASSERT_TRUE(strip.bAcross ? s.left >= 1 && s.left + s.width < t.width
                                      : s.top >= 1 && s.top + s.height < t.height)
                << "no room for a border";
            for (bool bEnd : {false, true}) {
                const bool bOuter = !strip.bRepeats && (bEnd ? n + 1 == count : n == 0);
                const size_t other = bEnd ? (n + 1) % count : (n + count - 1) % count;
                const Texture& u = textures[other];
                const Skin& o = u.skins[strip.frames[other].skin];
                ASSERT_EQ(length, strip.bAcross ? o.height : o.width);
                int wrong = 0;
                for (int i = 0; i < length; ++i) {
                    std::vector<int> border = texel(t, s, strip.bAcross, bEnd, 1, i);
                    std::vector<int> expected = bOuter ? texel(t, s, strip.bAcross, bEnd, 0, i)
                                                       : texel(u, o, strip.bAcross, !bEnd, 0, i);
                    if (bOuter)
                        expected[3] = 0;
                    wrong += border != expected;
                }
                EXPECT_EQ(0, wrong) << (bEnd ? "end side" : "start side");
            }
        }
    }
}

}  // namespace
