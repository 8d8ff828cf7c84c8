// Drawing cost on Mesa: 2,000 textured 64 x 64 sprites from four textures per
// frame, and the CPU cost per drawable of updateVisuals and of the cull test.
// Needs a display (DISPLAY set, e.g. under Xvfb).
#include "ApplicationInfo.h"
#include "Camera.h"
#include "Context.h"
#include "DataFolder.h"
#include "Kiv.h"
#include "KivHost.h"
#include "KivGraphics.h"
#include "Renderable.h"
#include "TemporaryFolder.h"
#include "Texture.h"
#include "TgaImage.h"
#include "UColor.h"

#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

const int SPRITES = 2000;
const int TEXTURES = 4;

std::string writeSprite(const std::string& folder, int index)
{
    std::vector<UColor> pixels;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const bool inside = (x - 32) * (x - 32) + (y - 32) * (y - 32) < 30 * 30;
            pixels.emplace_back(static_cast<uint8_t>(4 * x), static_cast<uint8_t>(4 * y),
                                static_cast<uint8_t>(40 * index), inside ? 255 : 0);
        }
    }
    const std::string path = folder + "/sprite" + std::to_string(index) + ".tga";
    testsupport::writeTGA(path, 64, 64, pixels);
    return path;
}

// One engine, window and sprite set for the whole run.
struct Scene {
    Scene()
    {
        useAsDataHome(folder.path());
        std::ofstream(getDataFolder() + "/" + APPLICATION_NAME + ".cfg")
            << "[KivGraphics]\nbFullScreen=No\nscreenWidth=640\nscreenHeight=480\n";
        new Kiv(KivHost::desktop());
        for (int i = 0; i < TEXTURES; ++i)
            textures.push_back(std::make_unique<Texture>(writeSprite(folder.path(), i), 0));
        std::mt19937 random(7);
        std::uniform_real_distribution<float> x(-300.0f, 300.0f), y(-220.0f, 220.0f), turn(0.0f, 6.28f);
        for (int i = 0; i < SPRITES; ++i) {
            auto sprite = std::make_unique<Renderable>();
            sprite->pSkin = textures[i % TEXTURES]->skins[0];
            sprite->position = V3(x(random), y(random), 0.0f);
            sprite->rotation.z = turn(random);
            sprite->color = UColor(255, 255, 255, static_cast<uint8_t>(128 + i % 128));
            sprite->updateVisuals();
            sprites.push_back(std::move(sprite));
        }
        pKiv->pCurrentContext = &screen;
    }
    ~Scene()
    {
        pKiv->pCurrentContext = nullptr;
        sprites.clear();
        textures.clear();
        delete pKiv;
    }

    TemporaryFolder folder{"kiv-bench"};
    Context screen;
    std::vector<std::unique_ptr<Texture>> textures;
    std::vector<std::unique_ptr<Renderable>> sprites;
};

Scene& scene()
{
    static Scene instance;
    return instance;
}

void BM_DrawSpriteFrame(benchmark::State& state)
{
    Scene& s = scene();
    for (auto _ : state) {
        ++pKiv->frameNumber;
        pKiv->stats = FrameStatistics();
        s.screen.pCamera->tick(0.0, 0.0);
        s.screen.pCamera->render();
        pKiv->pGraphics->clear(UColor(0, 0, 0, 255));
        for (auto& sprite : s.sprites)
            sprite->render();
        glFinish();
    }
    state.counters["vertices/s"] =
        benchmark::Counter(4.0 * SPRITES, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["drawn"] = pKiv->stats.renderablesDrawn;
}
BENCHMARK(BM_DrawSpriteFrame)->Unit(benchmark::kMillisecond);

void BM_UpdateVisualsPerDrawable(benchmark::State& state)
{
    Scene& s = scene();
    size_t i = 0;
    for (auto _ : state) {
        Renderable& sprite = *s.sprites[i++ % SPRITES];
        sprite.rotation.z += 0.01f;
        sprite.updateVisuals();
        benchmark::DoNotOptimize(sprite.boundsRadius);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_UpdateVisualsPerDrawable);

void BM_UpdateVisualsWithInversePerDrawable(benchmark::State& state)
{
    Scene& s = scene();
    for (auto& sprite : s.sprites)
        sprite->bHasInvXform = true;
    size_t i = 0;
    for (auto _ : state) {
        Renderable& sprite = *s.sprites[i++ % SPRITES];
        sprite.rotation.z += 0.01f;
        sprite.updateVisuals();
        benchmark::DoNotOptimize(sprite.invXform.m[0]);
    }
    for (auto& sprite : s.sprites)
        sprite->bHasInvXform = false;
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_UpdateVisualsWithInversePerDrawable);

void BM_CullTestPerDrawable(benchmark::State& state)
{
    Scene& s = scene();
    size_t i = 0;
    for (auto _ : state) {
        Renderable& sprite = *s.sprites[i++ % SPRITES];
        sprite.calcVisibility();
        benchmark::DoNotOptimize(sprite.bVisible);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CullTestPerDrawable);

} // namespace
