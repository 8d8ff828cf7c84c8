#pragma once
// Shared by the screen-stack tests: one engine per test program with a
// 640 x 480 window (one world unit on the plane z = 0 is one pixel, the
// origin at the centre), muted audio, a data folder of its own, a Global
// with bare-quad fonts, and the textures, skins and sounds the stack and its
// items look up, made from small painted images. Frames are the engine's
// own, on a stepped host (stepFrame); input is fed as the window's events
// (SyntheticInput.h), which the next frame takes.
#include "ContextManager.h"
#include "Global.h"
#include "KivInput.h"
#include "MemoryImageFile.h"
#include "QuadFont.h"
#include "RenderTestSupport.h"
#include "ResourceManager.h"
#include "Sound.h"
#include "SyntheticInput.h"
#include "Texture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <memory>

namespace stacktest {

// The drawing tests' colours and frame-buffer readers.
using namespace rendertest;

using testsupport::KEY_ESCAPE;
using testsupport::KEY_LEFT_SHIFT;
using testsupport::KEY_SPACE;
constexpr int KEY_F = 33;
constexpr int MOUSE_LEFT = KivInput::FIRST_MOUSE_BUTTON;

const UColor BACKDROP(20, 40, 90, 255);
// The colours of the item frames: the frame (skin 0) and the highlight
// frame (skin 1).
const UColor FRAME(90, 60, 30, 255);
const UColor GLOW(0, 200, 0, 255);

// The menu's fonts as untextured quads: every printable byte, and the switch
// mark and arrows (1, 7 and 8), 6 wide and 10 high, a space 4 wide.
struct MenuFont : QuadFont {
    explicit MenuFont(int lineHeight)
    {
        font.lineHeight = lineHeight;
        font.capHeight = lineHeight;
        font.spaceWidth = 4;
        font.bUseCache = false;
        for (int code = 1; code < 256; code = code == 1 ? 7 : code == 8 ? 33 : code + 1)
            glyph(code, 6.0f, 10.0f);
    }
};

// Global leaves the game's own start-up to a subclass; these tests have none.
struct TestGlobal : Global {
    void initGame() override {}
};

struct Shared {
    std::string home;
    std::string files;
    std::unique_ptr<KivBase> resources;
    std::unique_ptr<MenuFont> small, medium, large;
    Texture* pointerTexture = nullptr;
};

inline Shared& shared()
{
    static Shared instance;
    return instance;
}

struct Frame { int left, top, width, height; };

// A texture from a painted image cut into the given frames, owned by the
// shared resource root.
inline Texture* makeTexture(const std::string& name, int width, int height, const std::vector<Frame>& frames,
                            const std::function<UColor(int, int)>& pixel)
{
    const std::string path = shared().files + "/" + name + ".tga";
    testsupport::writeTGA(path, width, height, testsupport::paint(width, height, pixel));
    std::ofstream ini(path + ".ini");
    for (size_t i = 0; i < frames.size(); ++i)
        ini << "[Skin " << i << "]\nleft=" << frames[i].left << "\ntop=" << frames[i].top
            << "\nwidth=" << frames[i].width << "\nheight=" << frames[i].height << "\n";
    ini.close();
    Texture* texture = new Texture(path, 0);
    shared().resources->addChildLast(texture);
    return texture;
}

// A one-frame texture in one colour with a stripe of another colour over its
// four leftmost columns, registered under key with the given anchor.
inline Skin* makeStripedSkin(const std::string& key, int width, int height, UColor fill, UColor stripe, int anchor)
{
    Texture* texture = makeTexture(key.substr(0, key.find(':')), width, height, {{0, 0, width, height}},
                                   [=](int x, int) { return x < 4 ? stripe : fill; });
    Skin* skin = texture->skins.front();
    skin->setOriginLocation(anchor);
    pKiv->pResourceManager->addResource(key, skin);
    return skin;
}

class Environment : public WindowedEngine {
public:
    Environment() : WindowedEngine("bBilinearFilter=No\n[KivAudio]\nbMute=Yes\n", true) {}

    void SetUp() override
    {
        Shared& s = shared();
        WindowedEngine::SetUp();
        s.home = home();
        s.files = s.home + "/files";
        std::filesystem::create_directories(s.files);
        pGlobal = new TestGlobal();
        s.resources = std::make_unique<KivBase>();
        s.small = std::make_unique<MenuFont>(10);
        s.medium = std::make_unique<MenuFont>(16);
        s.large = std::make_unique<MenuFont>(24);
        pGlobal->pFontSmall = &s.small->font;
        pGlobal->pFontMedium = &s.medium->font;
        pGlobal->pFontLarge = &s.large->font;
        registerResources();
    }

    void TearDown() override
    {
        delete pGlobal;
        pGlobal = nullptr;
        shared() = Shared();
        WindowedEngine::TearDown();
    }

private:
    static void registerResources()
    {
        ResourceManager& registry = *pKiv->pResourceManager;
        // Released red, pressed green.
        shared().pointerTexture = makeTexture("mousepointer", 32, 16, {{0, 0, 16, 16}, {16, 0, 16, 16}},
                                              [](int x, int) { return x < 16 ? RED : GREEN; });
        registry.addResource("mousePointer", shared().pointerTexture);
        registry.addResource("languageFlags", makeTexture("flags", 64, 32, {{0, 0, 32, 32}, {32, 0, 32, 32}},
                                                          [](int x, int) { return x < 32 ? BLUE : GREEN; }));
        registry.addResource("logo:all",
                             makeTexture("logo", 64, 32, {{0, 0, 64, 32}}, [](int, int) { return WHITE; })->skins[0]);
        // The frames the menu items draw, the highlight in another colour.
        for (const char* key : {"gui-game-button", "gui-game-editbox", "gui-game-button-cloud"})
            registry.addResource(key, makeTexture(key, 128, 64, {{0, 0, 64, 64}, {64, 0, 64, 64}},
                                                  [](int x, int) { return x < 64 ? FRAME : GLOW; }));
        registry.addResource("gui-game-square:0",
                             makeTexture("square", 64, 64, {{0, 0, 64, 64}}, [](int, int) { return FRAME; })
                                 ->skins[0]);
        for (const char* key : {"pop", "mouseClick"}) {
            Sound* sound = new Sound(formatString("sfx/%s.ogg", key), false, 1);
            shared().resources->addChildLast(sound);
            registry.addResource(key, sound);
        }
    }
};

// A screen that records what the stack does to it.
class RecordingScreen : public Context {
public:
    RecordingScreen(std::string screenName, std::vector<std::string>& eventLog)
        : name(std::move(screenName)), log(eventLog)
    {
    }
    ~RecordingScreen() override { log.push_back(name + " deleted"); }

    void activate(bool firstTime) override { log.push_back(name + (firstTime ? " activate first" : " activate again")); }
    void deactivate(bool closing) override
    {
        log.push_back(name + (closing ? " deactivate closing" : " deactivate covered"));
    }
    void tickContents(double contextT, double contextDt) override
    {
        ++ticks;
        Context::tickContents(contextT, contextDt);
    }

    std::string name;
    std::vector<std::string>& log;
    int ticks = 0;
};

// The input codes that setInput holds down.
inline std::vector<int>& heldCodes()
{
    static std::vector<int> held;
    return held;
}

// From the next frame on the listed codes are down, and no other that
// setInput pressed: those not down yet go down in that frame (a key typing
// nothing), those no longer listed come up. A code that stays listed is
// held: it went down in an earlier frame.
inline void setInput(std::initializer_list<int> down)
{
    std::vector<int>& held = heldCodes();
    for (auto code = held.begin(); code != held.end();) {
        if (std::find(down.begin(), down.end(), *code) != down.end()) {
            ++code;
            continue;
        }
        testsupport::feed(testsupport::inputEvents(*code, false));
        code = held.erase(code);
    }
    for (int code : down)
        if (std::find(held.begin(), held.end(), code) == held.end()) {
            testsupport::feed(testsupport::inputEvents(code, true));
            held.push_back(code);
        }
}

// Puts the program's mouse on the world point (x, y) of a default camera,
// moving the system pointer there over the window.
inline void moveMouseTo(float x, float y)
{
    int pixelX = 0, pixelY = 0;
    pKiv->pInput->viewToWindow(x + 320.0f, y + 240.0f, pixelX, pixelY);
    testsupport::feed({testsupport::motionEvent(pixelX, pixelY)});
}

// One engine frame over root, dt seconds long.
inline void stepFrame(Context* root, double dt)
{
    WindowedEngine::stepped().dt = dt;
    WindowedEngine::stepped().frame(root);
}

// Clears the frame to the backdrop colour.
inline void clearFrame()
{
    pKiv->pGraphics->clear(BACKDROP);
}

} // namespace stacktest
