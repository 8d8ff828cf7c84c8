#pragma once
// CircleScore: the popup that announces and awards a bonus: stars and a text
// laid along a circle (its children) spin and zoom in after a delay, the
// points are credited to its game with a jingle, the popup stays, then
// grows and fades away and marks itself dead. Made by the game controller's
// bonus code and appended to one of its layers, which ticks, draws and
// deletes it. Main thread only.
#include "Renderable.h"
#include "UColor.h"

#include <cstdint>
#include <string>

class Camera;
class GameStage;
class Sound;

class CircleScore : public Renderable {
public:
    // Waiting out its delay (not drawn), spinning and zooming in, shown (the
    // points credited on entering), growing and fading out, gone.
    enum PopupState { STATE_WAITING, STATE_ZOOMING, STATE_SHOWN, STATE_FADING, STATE_GONE };

    // stage: the game that is paid (not owned), or null outside a game, where
    // the popup shows but awards nothing; amount: points before the game's
    // difficulty factor and its score multiplier; delay: seconds before the
    // popup starts (>= 0).
    CircleScore(GameStage* stage, int amount, float delay);

    // A star sprite ("star:0") at the centre, scaled by starScale.
    void addStar(UColor colour, float starScale);
    // One sprite per glyph of text along a circle of radius units, laid as
    // the font prints a line centred on centreAngle (radians): each symbol
    // takes its advance (width and spacing) of the circle, but a blank
    // between words is widened by what the letters' steps give up, and each
    // glyph stands on the tangent through its middle; direction +1 runs
    // clockwise outside the circle, -1 anticlockwise inside it. An empty
    // text adds nothing.
    void addCircularText(const std::string& text, UColor colour, float radius, float centreAngle, int direction);

    // Moves the placed popup by as much as it would cross the edge of
    // camera's view when it shows its points, so that it is read whole.
    void moveIntoView(const Camera& camera);

    // The object-tree update, then the zoom or the fade.
    void tick(double t, double dt) override;
    // The children; nothing while waiting.
    void render() override;
    // Zoom, award, then fade (high detail) or end at once; dead when gone.
    void onStateChange() override;

    // Shared with CircleScore2, whose popup works alike.
    // addCircularText for any popup: glyph sprites of the "fontHUD" font
    // appended to popup, carrying its transform.
    static void layTextOnCircle(Renderable* popup, const std::string& text, UColor colour, float radius,
                                float centreAngle, int direction);
    // Every live child of popup (all sprites) takes popup's transform as its
    // post-transform and, when alpha is 0..255, that alpha.
    static void shareTransform(Renderable* popup, int alpha);
    // The fade-out's growth over timeInState seconds: 0, rising as the
    // square of the time, 1 after one second.
    static float fadeProgress(double timeInState);

    // Already multiplied by (1 + difficulty) and by the score multiplier
    // running when the popup was made: the number shown, and credited as it
    // is on entering STATE_SHOWN.
    int32_t points = 0;
    // Seconds in state 2.
    float displayTime = 1.5f;
    // Not owned (a resource, "jingle03" unless replaced); null plays nothing.
    Sound* sound = nullptr;
    // Factor of the sound's own rate.
    float soundFrequency = 1.0f;
    // The game paid; not owned; null outside a game.
    GameStage* stage = nullptr;
};
