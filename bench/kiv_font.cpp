// Printing 200 short texts per frame through the bitmap font, with the
// string cache on and off, the texts either the same every frame (menu
// captions) or partly new every frame (counters). Needs a display (DISPLAY).
// Compare the times of the cache-on and cache-off runs for the speed-up;
// hitRate is the share of cached prints that found their text already in a
// strip.
#include "FontQuad.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "MemoryImageFile.h"
#include "Quad.h"
#include "Rect.h"
#include "Texture.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

// Glyphs '!' to '~', 3 to 9 pixels wide and 8 to 13 high, painted solid.
Texture* makeGlyphTexture()
{
    auto* texture = new Texture(256, 256, Texture::TEXTURE_KEEP_SOURCE);
    for (Skin* skin : texture->skins)
        delete skin;
    texture->skins.clear();
    MemoryImageFile& image = *texture->pSavedSourceData;
    image.clear(nullptr, false);
    int x = 0, y = 0;
    for (int i = 0; i < 94; ++i) {
        int width = 3 + (i * 5) % 7, height = 8 + (i * 5) % 6;
        if (x + width > 256) {
            x = 0;
            y += 14;
        }
        Rect rect(x, y, x + width, y + height);
        for (int py = rect.top; py < rect.bottom; ++py)
            for (int px = rect.left; px < rect.right; ++px) {
                unsigned char* pixel = image.pImageData + 4 * (py * image.width + px);
                pixel[0] = pixel[1] = pixel[2] = 255;
                pixel[3] = (px + py) % 3 ? 255 : 0;
            }
        auto* quad = new Quad();
        quad->pTexture = texture;
        quad->pixelRect = rect;
        quad->uvRect = texture->pixelToUV(rect);
        quad->resetSize();
        texture->skins.push_back(quad);
        x += width + 1;
    }
    texture->copyImageData(&image, nullptr, nullptr);
    return texture;
}

struct Engine {
    std::unique_ptr<Texture> glyphs;

    Engine()
    {
        std::string home = std::filesystem::temp_directory_path() / "kiv-font-bench";
        setenv("XDG_DATA_HOME", home.c_str(), 1);
        new Kiv();
        glyphs.reset(makeGlyphTexture());
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
