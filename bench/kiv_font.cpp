// Printing 200 short texts per frame through the bitmap font, with the
// string cache on and off, the texts either the same every frame (menu
// captions) or partly new every frame (counters). Needs a display (DISPLAY).
// Compare the times of the cache-on and cache-off runs for the speed-up;
// hitRate is the share of cached prints that found their text already in a
// strip.
#include "FontQuad.h"
#include "GlyphTexture.h"
#include "Kiv.h"
#include "KivHost.h"
#include "KivGraphics.h"
#include "TemporaryFolder.h"
#include "Texture.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// count glyphs of varied widths and heights, like a printable ASCII font.
std::vector<GlyphSize> alphabetSizes(int count)
{
    std::vector<GlyphSize> sizes;
    for (int i = 0; i < count; ++i)
        sizes.push_back({3 + (i * 5) % 7, 8 + (i * 3) % 6});
    return sizes;
}

struct Engine {
    TemporaryFolder home{"kiv-font-bench"};
    std::unique_ptr<Texture> glyphs;

    Engine()
    {
        useAsDataHome(home.path());
        new Kiv(KivHost::desktop());
        glyphs.reset(makeGlyphTexture(alphabetSizes(94), Texture::TEXTURE_KEEP_SOURCE));
    }
};

Engine& engine()
{
    static Engine instance;
    return instance;
}

// state.range(0): cache on (1) or off (0); state.range(1): how many of the
// 200 texts change every frame.
void printTexts(benchmark::State& state)
{
    FontQuad font;
    font.addSourceTexture(engine().glyphs.get(), 33);
    pKiv->pGraphics->bEnableFontCache = state.range(0) != 0;
    const int changing = static_cast<int>(state.range(1));
    std::vector<std::string> captions;
    for (int i = 0; i < 200; ++i)
        captions.push_back("Caption " + std::to_string(i));
    int frame = 0;
    for (auto _ : state) {
        ++pKiv->frameNumber;
        ++frame;
        for (int i = 0; i < 200; ++i) {
            float x = static_cast<float>(-300 + (i % 5) * 120);
            float y = static_cast<float>(230 - (i / 5) * 12);
            const std::string& text = i < changing ? "Time " + std::to_string(frame * 200 + i) : captions[static_cast<size_t>(i)];
            font.printAt(x, y, 0.0f, UColor(255, 255, 255, 255), 0, text);
        }
        pKiv->pGraphics->present();
    }
    int lookups = font.cacheHits + font.cacheFills;
    state.counters["hitRate"] = lookups ? static_cast<double>(font.cacheHits) / lookups : 0.0;
    state.counters["cacheTextures"] = font.getCacheTextureCount();
    state.SetItemsProcessed(state.iterations() * 200);
}

BENCHMARK(printTexts)
    ->ArgNames({"cache", "changing"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 20})
    ->Args({1, 20})
    ->Unit(benchmark::kMicrosecond);

} // namespace
