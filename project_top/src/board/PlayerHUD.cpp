#include "board/PlayerHUD.h"

#include "BasicLinkIterator.h"
#include "ErrorManager.h"
#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "Skin.h"
#include "VStretchSkin.h"
#include "board/BoardHost.h"
#include "board/PlayerData.h"
#include "board/PlayerData.h"
#include "effects/AlarmClock.h"
#include "effects/Firework.h"
#include "effects/GameSupport.h"

#include <algorithm>
#include <cmath>

namespace {

// How far the panel and the vitamin column slide.
constexpr float PANEL_SLIDE = 160.0f;
constexpr float VITAMIN_SLIDE = 160.0f;
// The vitamin column starts this far below the display's top and its rows
// are this far apart.
constexpr float VITAMIN_TOP = 80.0f;
constexpr float VITAMIN_ROW = 39.0f;
// Thermometer: its bottom centre relative to the display (slid out, slid
// in), the frame's height, and the column's height when empty and its rise
// when full.
const V3 THERMOMETER_OUT(-25.0f, -370.0f, 0.0f);
const V3 THERMOMETER_IN(25.0f, -370.0f, 0.0f);
constexpr float THERMOMETER_HEIGHT = 300.0f;
constexpr float COLUMN_EMPTY = 50.0f;
constexpr float COLUMN_RANGE = 250.0f;
// The tube's axis lies this far left of the thermometer's centre, and the
// column's round top this far above the point that marks its level.
constexpr float TUBE_AXIS = -3.0f;
constexpr float COLUMN_TOP_INSET = 6.0f;
// The alarm clock stands this far above the thermometer's bottom.
constexpr float CLOCK_RAISE = 16.0f;
// Print flags: left-aligned; centred horizontally and bottom-aligned.
constexpr int PRINT_LEFT = 2;
constexpr int PRINT_BADGE = 0x24;
constexpr int ORIGIN_BOTTOM_CENTRE = 2;
// The ease-out curve of the slides.
constexpr int EASE_OUT = 2;

const UColor WHITE(255, 255, 255, 255);
const UColor COINS_COLOUR(192, 192, 192, 255);
const UColor LIVES_COLOUR(192, 16, 16, 255);
const UColor BADGE_COLOUR(255, 192, 0, 255);
const UColor BADGE_FADED(255, 192, 0, 0);


float slide(float shown, bool in, double dt)
{
    return std::clamp(static_cast<float>(shown + (in ? dt : -dt)), 0.0f, 1.0f);
}

// A text through a stand-in renderable at a point, shrunk to three quarters.
void printSmall(FontQuad* font, V3 at, UColor colour, const UString& text)
{
    Renderable stamp;
    stamp.bSkipVisibility = true;
    const V3 small(0.75f, 0.75f, 1.0f);
    stamp.setSkinAndTransform(nullptr, &at, nullptr, &small);
    stamp.color = colour;
    font->print(&stamp, PRINT_LEFT, text);
}

}

PlayerHUD::PlayerHUD() : vitamins(new KivBase())
{
    pSkin = GameSupport::resource<Skin>("hud:0");
    addChildLast(vitamins);
}

PlayerHUD::~PlayerHUD()
{
    delete alarmClock;
}

void PlayerHUD::tick(double t, double dt)
{
    panelShown = slide(panelShown, !hidePanel, dt);
    thermometerShown = slide(thermometerShown, showThermometer, dt);
    vitaminsShown = slide(vitaminsShown, showVitamins, dt);

    const KivGraphics& graphics = *pKiv->pGraphics;
    const float left = static_cast<float>(-graphics.fovWidth / 2);
    const float top = static_cast<float>(graphics.fovHeight / 2);
    position = V3(V3(left - PANEL_SLIDE, top, 0.0f), V3(left, top, 0.0f), panelShown, EASE_OUT);
    updateVisuals();

    scoreBlend = std::min(1.0f, static_cast<float>(scoreBlend + 2.0 * dt));
    if (host && scoreTo != host->player().score) {
        scoreFrom = displayedScore;
        scoreTo = host->player().score;
        scoreBlend = 0.0f;
    }
    const float k = 1.0f - scoreBlend;
    displayedScore = static_cast<int32_t>(scoreFrom + (1.0f - k * k) * (static_cast<double>(scoreTo) - scoreFrom));

    if (alarmClock)
        alarmClock->tick(t, dt);

    if (vitaminsShown > 0.0f) {
        const V3 offset(V3(-VITAMIN_SLIDE, 0.0f, 0.0f), V3(), vitaminsShown, EASE_OUT);
        BasicLinkIterator it(vitamins);
        int row = 0;
        while (KivBase* child = it.next()) {
            Renderable* orb = static_cast<Renderable*>(child);
            orb->position = V3(position.x + offset.x,
                               position.y - VITAMIN_TOP - VITAMIN_ROW * static_cast<float>(row) + offset.y, 0.0f);
            orb->updateVisuals();
            ++row;
        }
    }
    vitamins->tick(t, dt);
}

void PlayerHUD::render()
{
    Renderable::render();
    const float x = position.x, y = position.y, z = position.z;
    GameSupport::resource<FontQuad>("fontHUD")->printAt(x + 5.0f, y - 5.0f, 0.0f, WHITE, PRINT_LEFT,
                                               Global::formatNumber(displayedScore));

    GameSupport::resource<Skin>("hud:1")->renderAt(V3(x + 16.0f, y - 48.0f, z), WHITE);
    if (host)
        printSmall(GameSupport::resource<FontQuad>("fontMedium"), V3(x + 27.0f, y - 38.0f, 0.0f), COINS_COLOUR,
                   formatString("%d", host->player().coins));

    if (host && host->multiplierBadgeShown() && host->player().multiplier != 1) {
        const PlayerData& data = host->player();
        // Clamped: a badge past its time must not wrap round to opaque.
        const double runDown = data.multiplierDuration > 0.0 ? data.multiplierElapsed / data.multiplierDuration : 1.0;
        const UColor badge(BADGE_COLOUR, BADGE_FADED, static_cast<float>(std::clamp(runDown, 0.0, 1.0)));
        GameSupport::resource<FontQuad>("fontBlackOutline2")->printAt(x + 130.0f, y - 30.0f, z, badge, PRINT_BADGE, "2");
    }

    if (showLives && host) {
        GameSupport::resource<Skin>("hud:2")->renderAt(V3(x + 89.0f, y - 48.0f, z), WHITE);
        printSmall(GameSupport::resource<FontQuad>("fontMedium"), V3(x + 100.0f, y - 38.0f, 0.0f), LIVES_COLOUR,
                   formatString("%d", host->player().lives));
    }

    if (vitaminsShown > 0.0f)
        vitamins->render();

    if (thermometerShown > 0.0f)
        renderThermometer();
}

void PlayerHUD::renderThermometer()
{
    const V3 base = position + V3(THERMOMETER_OUT, THERMOMETER_IN, thermometerShown, EASE_OUT);
    Renderable piece;
    piece.bSkipVisibility = true;

    VStretchSkin* frame = GameSupport::resource<VStretchSkin>("thermometer:stretchwood");
    frame->setHeight(THERMOMETER_HEIGHT);
    frame->setOriginLocation(ORIGIN_BOTTOM_CENTRE);
    piece.setSkinAndTransform(frame, &base, nullptr, nullptr);
    piece.color = WHITE;
    piece.render();

    if (thermometerSlots) {
        Skin* mark = GameSupport::resource<Skin>("thermometer:2");
        for (int i = 0; i < slotCount; ++i) {
            const V3 at = getThermometerPosition(static_cast<float>(i) / static_cast<float>(slotCount));
            piece.setSkinAndTransform(mark, &at, nullptr, nullptr);
            piece.render();
        }
    }

    VStretchSkin* column = GameSupport::resource<VStretchSkin>("thermometer:stretchbulb");
    column->setHeight(COLUMN_EMPTY + COLUMN_RANGE * std::clamp(thermometerLevel, 0.0f, 1.0f));
    column->setOriginLocation(ORIGIN_BOTTOM_CENTRE);
    piece.setSkinAndTransform(column, &base, nullptr, nullptr);
    piece.color = thermometerColour;
    piece.render();

    if (GameSupport::highDetail()) {
        const V3 glossAt = base + V3(TUBE_AXIS, 32.0f, 0.0f);
        piece.setSkinAndTransform(GameSupport::resource<Skin>("thermometer:3"), &glossAt, nullptr, nullptr);
        piece.color = WHITE;
        piece.render();
    }

    if (alarmClock) {
        alarmClock->position = base + V3(TUBE_AXIS, CLOCK_RAISE, 0.0f);
        alarmClock->updateVisuals();
        alarmClock->render();
    }
}

void PlayerHUD::addVitamin(Renderable* orb)
{
    vitamins->addChildLast(orb);
}

void PlayerHUD::startAlarmClock(float seconds)
{
    delete alarmClock;
    alarmClock = new AlarmClock();
    alarmClock->start(seconds);
}

void PlayerHUD::removeAlarmClock()
{
    delete alarmClock;
    alarmClock = nullptr;
}

V3 PlayerHUD::getThermometerPosition(float level) const
{
    const V3 offset(THERMOMETER_OUT, THERMOMETER_IN, thermometerShown, EASE_OUT);
    const float column = COLUMN_EMPTY + COLUMN_RANGE * std::clamp(level, 0.0f, 1.0f);
    return V3(position.x + offset.x + TUBE_AXIS, position.y + offset.y + column - COLUMN_TOP_INSET,
              position.z + offset.z);
}

std::vector<ViewBox> PlayerHUD::panelBoxes() const
{
    const KivGraphics& graphics = *pKiv->pGraphics;
    const V3 corner(static_cast<float>(-graphics.fovWidth / 2), static_cast<float>(graphics.fovHeight / 2), 0.0f);
    std::vector<ViewBox> boxes;
    if (!hidePanel || panelShown > 0.0f)
        boxes.push_back(ViewBox::ofSkin(*pSkin, corner));
    if (showVitamins || vitaminsShown > 0.0f) {
        int rows = 0;
        for (BasicLinkIterator it(vitamins); it.next();)
            ++rows;
        const ViewBox top = ViewBox::ofSkin(*GameSupport::resource<Skin>("hud:3"), corner - V3(0.0f, VITAMIN_TOP, 0.0f));
        if (rows > 0)
            boxes.push_back(top.unitedWith(top.movedBy(0.0f, -VITAMIN_ROW * static_cast<float>(rows - 1))));
    }
    if (showThermometer || thermometerShown > 0.0f) {
        const V3 base = corner + THERMOMETER_IN;
        const float halfWidth = GameSupport::resource<VStretchSkin>("thermometer:stretchwood")->width / 2.0f;
        boxes.push_back(ViewBox{base.x - halfWidth, base.y, base.x + halfWidth, base.y + THERMOMETER_HEIGHT});
        if (alarmClock)
            boxes.push_back(alarmClock->reachAt(base + V3(TUBE_AXIS, CLOCK_RAISE, 0.0f)));
    }
    return boxes;
}

void PlayerHUD::thermometerFirework(float level, UColor colour)
{
    if (!GameSupport::highDetail())
        return;
    KIV_ASSERT(host != nullptr);
    const V3 at = getThermometerPosition(level);
    // The overlay's layer, so the sparks share the display's coordinates.
    host->addOverlayEffect(
        new Firework(at.x, at.y, at.z, 20, 50.0f, 100.0f, 0.0f, static_cast<float>(2.0 * M_PI), 2.0f, colour));
}
