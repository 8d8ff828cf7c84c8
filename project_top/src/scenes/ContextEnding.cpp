#include "scenes/ContextEnding.h"

#include "Camera.h"
#include "ContextManager.h"
#include "ContextPre.h"
#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "KivAudio.h"
#include "KivGraphics.h"
#include "Language.h"
#include "MenuButtonQuit.h"
#include "RadialFader.h"
#include "RenderableText.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "Sound.h"
#include "SoundStream.h"
#include "effects/Firework.h"
#include "effects/GameSupport.h"
#include "scenes/SmileyEnding.h"

#include <algorithm>

namespace {

constexpr float PI = 3.14159265f;
// Left edge of the text block, and its line spacing in font heights.
constexpr float TEXT_LEFT = -310.0f;
constexpr float LINE_SPACING = 1.15f;
// How far below the bottom edge of the view the block starts.
constexpr float TEXT_START_BELOW = 300.0f;
// Lines fade in over this band above the bottom edge's margin and out over
// it below the top edge.
constexpr float FADE_BAND = 128.0f;
constexpr float FADE_IN_MARGIN = 32.0f;
// Where a new smiley starts: left of the view and below the floor, so that
// its first step puts it on the floor, bouncing up.
const V3 SMILEY_START(-400.0f, -1000.0f, 0.0f);

struct Line {
    const char* text;
    bool bLarge;
};

const Line LINES[] = {
    {"congratulations!", true},
    {"", false},
    {"You have successfully completed", false},
    {"your journey through Glimmerdale!", false},
    {"", false},
    {"You have visited all eight", false},
    {"Glimmerdale neighborhoods", false},
    {"and you have found", false},
    {"each smiley's perfect friend!", false},
    {"", false},
    {"The smileys decide to celebrate", false},
    {"with fireworks and a big party!", false},
    {"Everyone is there", false},
    {"and you are naturally invited", false},
    {"as their very special guest!", false},
    {"", false},
    {"", false},
    {"", false},
    {"", false},
    {"Have fun at the party,", false},
    {"and thanks for playing!", false},
};

float randomFloat()
{
    return static_cast<float>(GameSupport::randomFraction());
}

} // namespace

ContextEnding::ContextEnding()
{
    bDeleteWhenFinished = true;
    pBackgroundContext = new ContextPre();
    smileyLayer = new KivBase();
    addChildLast(smileyLayer);

    const int halfHeight = pKiv->pGraphics->fovHeight / 2;
    Renderable* pole = new Renderable();
    pole->pSkin = GameSupport::resource<Skin>("pole:0");
    pole->position = V3(235.0f, static_cast<float>(-170 - halfHeight), 0.0f);
    pole->rotation = V3(0.0f, PI, PI / 2.0f);
    pole->updateVisuals();
    addChildLast(pole);

    okButton = new MenuButtonQuit(240.0f, -190.0f, 0.0f, pKiv->pLanguage->getText(Language::OK), "");
    okButton->setWidth(128);
    addChildLast(okButton);

    textLayer = new KivBase();
    addChildLast(textLayer);
    addLines();
}

ContextEnding::~ContextEnding()
{
    delete pBackgroundContext;
}

void ContextEnding::addLines()
{
    FontQuad* large = GameSupport::resource<FontQuad>("fontLarge");
    FontQuad* medium = GameSupport::resource<FontQuad>("fontMedium");
    float y = static_cast<float>(-(pKiv->pGraphics->fovHeight / 2)) - TEXT_START_BELOW;
    for (const Line& line : LINES) {
        FontQuad* font = line.bLarge ? large : medium;
        RenderableText* text = new RenderableText(TEXT_LEFT, y, 0.0f, line.text, font, UColor(255, 255, 255, 255));
        // Left-aligned, the top edge at y.
        text->flags = 2;
        textLayer->addChildLast(text);
        y -= LINE_SPACING * static_cast<float>(font->lineHeight);
    }
}

void ContextEnding::activate(bool)
{
    RadialFader& fader = *pGlobal->pContextManager->pFader;
    fader.coverage = 1.0f;
    fader.targetCoverage = 1.0f;
}

void ContextEnding::tickContents(double time, double frameDt)
{
    Context::tickContents(time, frameDt);
    if (!bMusicStarted && time >= PARTY_START) {
        bMusicStarted = true;
        pKiv->pAudio->setMusic(GameSupport::resource<SoundStream>("musicMenu"));
    }
    if (time > nextSmileyTime) {
        SmileyEnding* smiley = new SmileyEnding();
        smiley->position = SMILEY_START;
        const float vx = 100.0f + 300.0f * randomFloat();
        const float vy = 300.0f + 300.0f * randomFloat();
        smiley->velocity = V3(vx, vy, 0.0f);
        smiley->updateVisuals();
        smileyLayer->addChildLast(smiley);
        nextSmileyTime = time + 0.25 + 1.75 * GameSupport::randomFraction();
    }
    if (time > nextFireworkTime) {
        const float x = 640.0f * randomFloat() - 320.0f;
        const float y = 390.0f * randomFloat() - 150.0f;
        const int count = static_cast<int>(20.0f + 20.0f * randomFloat());
        const float slowest = 100.0f * randomFloat();
        const UColor colour = randomBrightColor();
        addChildLast(new Firework(x, y, 0.0f, count, slowest, 150.0f, 0.0f, 2.0f * PI, 2.0f, colour));
        GameSupport::resource<Sound>("firework")->play();
        nextFireworkTime = time + 0.1 + 0.9 * GameSupport::randomFraction();
    }
    scrollLines(frameDt);
}

void ContextEnding::scrollLines(double step)
{
    const Camera::VisibleRect view = pCamera->getVisibleRect(0.0f);
    for (BasicLink* link = textLayer->pFirstChild; link; link = link->pNext) {
        if (link->bDead)
            continue;
        Renderable* line = static_cast<Renderable*>(link);
        line->position += scrollVelocity * static_cast<float>(step);
        line->updateVisuals();
        const float y = line->position.y;
        float a = 1.0f;
        if (y > view.top - FADE_BAND)
            a = (view.top - y) / FADE_BAND;
        else if (y < view.bottom + FADE_IN_MARGIN + FADE_BAND)
            a = (y - (view.bottom + FADE_IN_MARGIN)) / FADE_BAND;
        line->color.a = static_cast<uint8_t>(255.0f * std::clamp(a, 0.0f, 1.0f));
        if (y - 64.0f > view.top)
            line->bDead = 1;
    }
}
