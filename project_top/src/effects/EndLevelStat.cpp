#include "effects/EndLevelStat.h"

#include "FontQuad.h"
#include "Kiv.h"
#include "RenderableText.h"
#include "ResourceManager.h"
#include "effects/GameSupport.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float LABEL_X = -180.0f;
constexpr float VALUE_X = 180.0f;
constexpr float TOP_ROW_Y = 50.0f;
constexpr float ROW_HEIGHT = 25.0f;
constexpr double LIFETIME = 6.0;
constexpr float TEXT_SCALE = 0.85f;
// Print flags without centring: the text starts at its position.
constexpr int LEFT_ALIGNED = 2;
// The count starts this long after the line appears and runs for half a second.
constexpr double COUNT_DELAY = 1.0;
constexpr double COUNT_RATE = 2.0;

RenderableText* makeText(float x, float y, const std::string& text, int flags, double fadeIn)
{
    RenderableText* line = new RenderableText(x, y, 0.0f, text, GameSupport::resource<FontQuad>("fontMedium"),
                                              UColor(255, 255, 255, 255));
    line->flags = flags;
    line->lifetime = LIFETIME;
    line->fadeIn = fadeIn;
    line->fadeOut = 0.25;
    // The page keeps its lines; they are simply no longer drawn.
    line->bDieWhenDone = false;
    line->setScaleXY(TEXT_SCALE);
    return line;
}
}

EndLevelStat::EndLevelStat(int row, const std::string& label, int amount) : value(amount)
{
    const float y = TOP_ROW_Y - ROW_HEIGHT * static_cast<float>(row);
    labelText = makeText(LABEL_X, y, label, LEFT_ALIGNED, 0.25);
    addChildLast(labelText);
    valueText = makeText(VALUE_X, y, "0", FontQuad::PRINT_RIGHT, 0.5);
    addChildLast(valueText);
    setState(STATE_COUNTING, COUNT_DELAY);
}

void EndLevelStat::tick(double t, double dt)
{
    KivBase::tick(t, dt);
    if (state != STATE_COUNTING)
        return;
    const double f = std::clamp(COUNT_RATE * timeInState, 0.0, 1.0);
    valueText->text = formatString(format.c_str(), static_cast<int>(std::floor(f * value)));
}
