// Checks the data set that the build generated (build/data-src and the loose
// files of build/data) the way the game reads it: images through the
// engine's TGA decoder, skin files through its ini parser, sounds through
// libvorbisfile.
#include "Catalogue.h"
#include "FontFace.h"
#include "FontMaker.h"
#include "Loudness.h"
#include "MemoryImageFile.h"
#include "MemoryIniFile.h"
#include "TemporaryFolder.h"
#include "WholeFile.h"

#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kStaging = std::string(KIV_BINARY_DIR) + "/data-src/";
const std::string kGame = std::string(KIV_BINARY_DIR) + "/data/";

struct Skin { int left, top, width, height, adjustX, adjustY; };

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
        auto adjust = [&](const char* key) { return ini.hasKey(section, key) ? ini.getInt(section, key) : 0; };
        t.skins.push_back({ini.getInt(section, "left"), ini.getInt(section, "top"), ini.getInt(section, "width"),
                           ini.getInt(section, "height"), adjust("origin_adjust_x"), adjust("origin_adjust_y")});
    }
    return t;
}

// Frame counts, exact sizes and the 256-pixel limit are the generator's own
// checks; what it leaves to the engine is where the skins lie and how their
// keys are written (the engine's ini reader trims lines, not keys).
TEST(DataSetTest, EveryTextureDecodesWithItsSkinsInsideAndItsKeysUnspaced) {
    for (const Catalogue::Texture& entry : Catalogue::textures()) {
        SCOPED_TRACE(entry.path);
        const Texture t = loadTexture(entry.path);
        for (const Skin& s : t.skins) {
            EXPECT_TRUE(s.left >= 0 && s.top >= 0 && s.width > 0 && s.height > 0);
            EXPECT_LE(s.left + s.width, t.width);
            EXPECT_LE(s.top + s.height, t.height);
        }
        std::istringstream text(readWholeFile(kStaging + entry.path + ".ini"));
        for (std::string line; std::getline(text, line);)
            EXPECT_TRUE(line.empty() || line.front() == '[' || line.find(' ') == std::string::npos) << line;
    }
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
    for (int code : {1, 10, 96, 127, 136, 152, 168, 176, 180, 184, int('A')}) {
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

// A glyph shows whole when its cell holds all it draws: its white ink lies
// at least as far inside the cell's edges as its dark rim (outline or halo)
// reaches anywhere in the font, so no rim is cut off there. Letters sit as
// the face spaces them: a cell holds all the face's ink and leaves no more
// blank columns beside the glyph than the face's side bearings (a
// monospaced font's cells are all one width).
TEST(DataSetTest, GlyphCellsHoldTheirRimsAndSpaceLettersAsTheFaceDoes) {
    struct Glyph { const Texture* t; Skin s; int code; };
    // Alpha at (x, y) of the cell, and whether that pixel holds ink (white
    // in it: a rim's pixels are black).
    auto alpha = [](const Glyph& g, int x, int y) { return g.t->alphaAt(g.s.left + x, g.s.top + y); };
    auto ink = [&](const Glyph& g, int x, int y) {
        return alpha(g, x, y) > 0 && g.t->rgba[(static_cast<size_t>(g.s.top + y) * g.t->width + g.s.left + x) * 4] > 0;
    };
    for (const FontMaker::FontFile& c : FontMaker::fonts()) {
        SCOPED_TRACE(c.paths.front());
        std::vector<Texture> sheets;
        for (const std::string& file : c.paths)
            sheets.push_back(loadTexture(file));
        std::vector<Glyph> glyphs;
        int lineHeight = 0, reach = 0;
        for (const Texture& t : sheets)
            for (const Skin& s : t.skins) {
                glyphs.push_back({&t, s, c.firstCode + static_cast<int>(glyphs.size())});
                lineHeight = std::max(lineHeight, s.height);
            }
        // The rim's reach: how far drawn pixels lie from the nearest ink.
        for (const Glyph& g : glyphs)
            for (int y = 0; y < g.s.height; ++y)
                for (int x = 0; x < g.s.width; ++x) {
                    int d = 0;
                    auto inkWithin = [&](int r) {
                        for (int v = std::max(0, y - r); v <= std::min(g.s.height - 1, y + r); ++v)
                            for (int u = std::max(0, x - r); u <= std::min(g.s.width - 1, x + r); ++u)
                                if (ink(g, u, v))
                                    return true;
                        return false;
                    };
                    while (alpha(g, x, y) && d < 8 && !inkWithin(d))
                        ++d;
                    reach = std::max(reach, d);
                }
        const bool bMono = c.style.bMono;
        FontFace face(bMono ? DATAGEN_MONO_FONT_FILE : DATAGEN_FONT_FILE);
        face.setPixelSize(c.style.pixelSize);
        std::set<int> monoWidths;
        for (const Glyph& g : glyphs) {
            int cut = 0, drawnLeft = g.s.width, drawnRight = 0;
            for (int y = 0; y < g.s.height; ++y)
                for (int x = 0; x < g.s.width; ++x) {
                    cut += ink(g, x, y) && std::min({x, y, g.s.width - 1 - x, g.s.height - 1 - y}) < reach;
                    if (alpha(g, x, y)) {
                        drawnLeft = std::min(drawnLeft, x);
                        drawnRight = std::max(drawnRight, x + 1);
                    }
                }
            EXPECT_EQ(0, cut) << "code " << g.code;
            FontFace::Glyph f;
            if (g.code < 33 || g.code > 126 || g.s.height != lineHeight || !face.renderGlyph(g.code, f))
                continue;
            // The face's inked columns, from the pen.
            int inkLeft = INT_MAX, inkRight = INT_MIN;
            for (size_t i = 0; i < f.coverage.size(); ++i)
                if (f.coverage[i]) {
                    inkLeft = std::min(inkLeft, f.left + static_cast<int>(i % f.width));
                    inkRight = std::max(inkRight, f.left + static_cast<int>(i % f.width) + 1);
                }
            EXPECT_GE(drawnRight - drawnLeft, inkRight - inkLeft) << "code " << g.code;
            if (bMono) {
                monoWidths.insert(g.s.width);
                continue;
            }
            EXPECT_LE(drawnLeft, std::max(0, inkLeft)) << "code " << g.code;
            EXPECT_LE(g.s.width - drawnRight, std::max(0, f.advance - inkRight)) << "code " << g.code;
        }
        EXPECT_LE(monoWidths.size(), 1u);
    }
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
        {{{"gfx/hills.tga", 0}, {"gfx/hills.tga", 1}}, true, true},
        {{{"gfx/ground.tga", 0}, {"gfx/ground.tga", 1}}, true, true},
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

// A glow frame outlines its feature over the feature's own edge: every
// opaque pixel beside a transparent one is covered by the glow.
TEST(DataSetTest, GlowFramesCoverTheEdgesOfTheirFeatures) {
    for (const char* name : {"eyes", "mouths", "hair", "eyebrows"}) {
        SCOPED_TRACE(name);
        const Texture feature = loadTexture(std::string("gfx/") + name + ".tga");
        const Texture glow = loadTexture(std::string("gfx/") + name + "-glow.tga");
        ASSERT_EQ(feature.skins.size(), glow.skins.size());
        for (size_t i = 0; i < feature.skins.size(); ++i) {
            const Skin &f = feature.skins[i], &g = glow.skins[i];
            ASSERT_TRUE(f.width == g.width && f.height == g.height) << "frame " << i;
            int uncovered = 0;
            for (int y = 0; y < f.height; ++y)
                for (int x = 1; x + 1 < f.width; ++x) {
                    const bool bEdge = feature.alphaAt(f.left + x, f.top + y) > 128 &&
                                       (feature.alphaAt(f.left + x - 1, f.top + y) == 0 ||
                                        feature.alphaAt(f.left + x + 1, f.top + y) == 0);
                    uncovered += bEdge && glow.alphaAt(g.left + x, g.top + y) == 0;
                }
            EXPECT_EQ(0, uncovered) << "frame " << i;
        }
    }
}

// The sky's top and bottom rows meet the colour the view is cleared to; the
// pointer's frames are moved by half their size, so that their top-left
// corner, where the tip is drawn, stands on the mouse position.
TEST(DataSetTest, SkyMeetsTheClearColourAndThePointerTipIsItsAnchor) {
    const Texture sky = loadTexture("gfx/sky-colormatched-blurred.tga");
    for (int y : {0, sky.height - 1})
        for (int x = 0; x < sky.width; x += 17) {
            const uint8_t* p = &sky.rgba[(static_cast<size_t>(y) * sky.width + x) * 4];
            EXPECT_EQ(std::vector<int>({16, 128, 208}), std::vector<int>(p, p + 3)) << x << "," << y;
        }
    for (const Skin& s : loadTexture("gfx/gui/game/mousepointer.tga").skins) {
        EXPECT_EQ(s.width / 2, s.adjustX);
        EXPECT_EQ(s.height / 2, s.adjustY);
    }
}

struct Decoded {
    int channels = 0;
    long rate = 0, frames = 0;
    std::vector<float> samples;  // interleaved
    float at(long frame, int channel) const { return samples[static_cast<size_t>(frame * channels + channel)]; }
};

Decoded decodeOgg(const std::string& path) {
    Decoded d;
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0)
        return d;
    d.channels = ov_info(&file, -1)->channels;
    d.rate = ov_info(&file, -1)->rate;
    float** pcm = nullptr;
    int section = 0;
    for (long got; (got = ov_read_float(&file, &pcm, 4096, &section)) > 0;) {
        for (long i = 0; i < got; ++i)
            for (int c = 0; c < d.channels; ++c)
                d.samples.push_back(pcm[c][i]);
        d.frames += got;
    }
    ov_clear(&file);
    return d;
}

// The largest step between neighbouring frames from first to last (the
// frame before first and last included), of either channel.
float largestStep(const Decoded& d, long first, long last) {
    float step = 0;
    for (long i = first; i <= last; ++i)
        for (int c = 0; c < d.channels; ++c)
            step = std::max(step, std::fabs(d.at(i, c) - d.at(i - 1, c)));
    return step;
}

// Sound effects are mono and short, the looping clock tick exactly one
// second; music is stereo and 30 to 90 seconds long.
TEST(DataSetTest, SoundsAreMonoAndMusicIsStereoOfTheRightLength) {
    for (const std::string& path : Catalogue::sounds()) {
        const Decoded d = decodeOgg(kStaging + path);
        EXPECT_EQ(1, d.channels) << path;
        EXPECT_TRUE(d.frames > 0 && d.frames < d.rate * 3) << path;
    }
    const Decoded tick = decodeOgg(kStaging + "sfx/clockTick.ogg");
    EXPECT_EQ(tick.rate, tick.frames);
    for (const std::string& path : Catalogue::music()) {
        const Decoded d = decodeOgg(kStaging + path);
        EXPECT_EQ(2, d.channels) << path;
        EXPECT_TRUE(d.frames >= d.rate * 30 && d.frames <= d.rate * 90) << path;
    }
}

// Nothing is cut off at a level: a sound ends in its release, its last 5 ms
// below -50 dBFS (what is left of the release and the codec's noise), and a
// loop (the clock's tick and every track) goes on at its start without a
// step: the one across the join is no bigger than those of the 10 ms either
// side of it.
TEST(DataSetTest, EverySoundEndsInSilenceAndEveryLoopJoinsWithoutAStep) {
    std::vector<std::string> paths = Catalogue::sounds();
    paths.insert(paths.end(), Catalogue::music().begin(), Catalogue::music().end());
    for (const std::string& path : paths) {
        const Decoded d = decodeOgg(kStaging + path);
        ASSERT_GT(d.frames, d.rate / 20) << path;
        const bool bLoop = path == "sfx/clockTick.ogg" || path.rfind("sfx/music/", 0) == 0;
        const long tenMs = d.rate / 100, fiveMs = d.rate / 200;
        if (bLoop) {
            float join = 0;
            for (int c = 0; c < d.channels; ++c)
                join = std::max(join, std::fabs(d.at(0, c) - d.at(d.frames - 1, c)));
            EXPECT_LE(join, std::max(largestStep(d, 1, tenMs), largestStep(d, d.frames - tenMs, d.frames - 1))) << path;
            continue;
        }
        float tail = 0;
        for (long i = d.frames - fiveMs; i < d.frames; ++i)
            for (int c = 0; c < d.channels; ++c)
                tail = std::max(tail, std::fabs(d.at(i, c)));
        EXPECT_LT(tail, std::pow(10.0f, -50.0f / 20)) << path;
    }
}

// Levels with headroom, read as the game reads the files. Every sound and
// track peaks at -9 dBFS or less, so that two sounds over a track at the
// default music volume (15 of 24) stay under the mixer's clamp even where
// all three peaks meet (2 x 0.355 + 0.625 x 0.355 = 0.93). No sound stands
// more than 4 LU above the median loudness (BS.1770, as Loudness measures
// it): the jingles are meant some 2 LU over it, the effects and voices
// around it, the rest under it.
TEST(DataSetTest, SoundsAndMusicLeaveHeadroomAndNoSoundStandsOutOfTheMix) {
    const float ceiling = std::pow(10.0f, -9.0f / 20);
    std::vector<std::pair<double, std::string>> loudness;
    for (const auto* list : {&Catalogue::sounds(), &Catalogue::music()})
        for (const std::string& path : *list) {
            const Decoded d = decodeOgg(kStaging + path);
            float peak = 0;
            for (float sample : d.samples)
                peak = std::max(peak, std::fabs(sample));
            EXPECT_LE(peak, ceiling) << path;
            if (list == &Catalogue::sounds())
                loudness.emplace_back(Loudness::integrated(d.samples, d.channels, static_cast<int>(d.rate)), path);
        }
    std::sort(loudness.begin(), loudness.end());
    const double median = loudness[loudness.size() / 2].first;
    for (const auto& [lufs, path] : loudness)
        EXPECT_LE(lufs, median + 4.0) << path << " against the median " << median;
}

// Each house draws its puzzle from its size's file: many paths, none twice.
// The 3 x 3 grid has only 40 directed paths; every other size has plenty.
TEST(DataSetTest, SolutionFilesHoldManyDistinctPaths) {
    for (const Catalogue::Solution& s : Catalogue::solutions()) {
        const std::string bytes = readWholeFile(kStaging + s.path);
        const size_t size = static_cast<size_t>(s.width * s.height);
        ASSERT_EQ(0u, bytes.size() % size) << s.path;
        std::set<std::string> records;
        for (size_t at = 0; at < bytes.size(); at += size)
            records.insert(bytes.substr(at, size));
        EXPECT_EQ(bytes.size() / size, records.size()) << s.path;
        EXPECT_GE(records.size(), size == 9 ? 40u : 100u) << s.path;
    }
}

TEST(DataSetTest, EditionSettingsHoldTheKeysTheEngineReads) {
    const std::string text = readWholeFile(kGame + "Glimmerdaledemo.cfg.static");
    MemoryIniFile ini;
    ini.parse(text.data(), text.size());
    EXPECT_FALSE(ini.getBool("Language", "bMultilanguage"));
    EXPECT_EQ(0, ini.getInt("Language", "singleLanguage"));
    EXPECT_EQ(0, ini.getInt("Graphics", "ditherDepth"));
}

// The data is part of the build: every run gives the same bytes.
TEST(DataSetTest, TheGeneratorWritesTheSameBytesEveryRun) {
    const TemporaryFolder folder("datagen-again");
    const fs::path temp = folder.path();
    // Quoted for the shell: the build folder may lie on a path with spaces.
    const std::string command = "'" + std::string(DATAGEN_EXE) + "' '" + (temp / "src").string() + "' '" +
                                (temp / "game").string() + "'";
    ASSERT_EQ(0, std::system(command.c_str()));
    int compared = 0;
    for (const auto& entry : fs::recursive_directory_iterator(temp / "src")) {
        if (!entry.is_regular_file())
            continue;
        const std::string relative = fs::relative(entry.path(), temp / "src").string();
        EXPECT_TRUE(readWholeFile(entry.path().string()) == readWholeFile(kStaging + relative)) << relative;
        ++compared;
    }
    EXPECT_GT(compared, 150);
}

}  // namespace
