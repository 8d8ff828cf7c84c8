// The random looks of the game's effects and pieces, each drawn many times
// on a fixed seed: every interval the rules give is reached near both its
// ends, not only kept within them (a narrowed one would still be). One row
// per drawn quantity; each row makes a fresh object and reads what it drew.
#include "DrawnRange.h"
#include "GameHarness.h"

#include "BendQuad.h"
#include "board/Apartment.h"
#include "board/FeatureEyes.h"
#include "board/House.h"
#include "board/Smiley.h"
#include "effects/Blob.h"
#include "effects/Chamomile.h"
#include "effects/CircleCloudElement.h"
#include "effects/Firework.h"
#include "effects/StarBurst.h"

#include <cmath>

namespace effectstest {
namespace {

using namespace testsupport;

constexpr double TWO_PI = 6.283185307179586;
constexpr int DRAWS = 400;

// An angle in [0, 2 pi).
double turn(double x, double y)
{
    const double angle = std::atan2(y, x);
    return angle < 0.0 ? angle + TWO_PI : angle;
}

std::vector<double> one(double value)
{
    return {value};
}

TEST(RandomLooks, EachDrawnLookReachesBothEndsOfItsInterval)
{
    GameHarness::get();
    // The stage a blob flies over: its size is kept the same on screen
    // whatever the scene camera's depth.
    GameController stage;
    const double depth = stage.sceneDepthScale();
    const Quad* picture = pKiv->pResourceManager->findAs<Quad>("chamomile:0");
    const double pictureLength = picture->uvRect.bottom - picture->uvRect.top;
    // The doors of a house do not all start to open at once.
    KivBase front;
    House house;
    house.create(0.0f, 1, 1, &front);
    Apartment* door = house.getApartmentByXY(0, 0);
    // A burst of five particles of speeds 50 to 100 sent along 1 rad, spread
    // over a quarter turn; each particle draws its own.
    const auto sparks = [](const std::function<double(const Sparc&)>& look) {
        const Firework burst(0.0f, 0.0f, 0.0f, 5, 50.0f, 100.0f, 1.0f, 1.5707964f, 1.0f, {});
        std::vector<double> drawn;
        for (int i = 0; i < burst.particleCount; ++i)
            drawn.push_back(look(burst.particles[i]));
        return drawn;
    };
    const struct {
        const char* what;
        double low, high;
        // What one fresh object drew (nothing when the draw does not apply).
        std::function<std::vector<double>()> draw;
    } looks[] = {
        {"a cloud puff's phase (rad)", 0.0, TWO_PI, [] { return one(CircleCloudElement(40.0f, 0.0f, 100.0f).phase); }},
        {"a cloud puff's bob speed (rad/s)", 1.0, 2.0,
         [] { return one(CircleCloudElement(40.0f, 0.0f, 100.0f).bobSpeed); }},
        {"a flower's length (share of its picture)", 0.7, 1.0,
         [&] {
             const Chamomile flower;
             return one((flower.bendQuad->uvRect.bottom - flower.bendQuad->uvRect.top) / pictureLength);
         }},
        {"a blob's size at its start", 0.5, 1.0,
         [&] { return one(Blob(stage, 0, 0, 0, 1, 1, 0, 1.0, 0.1f).baseScale * depth); }},
        {"a blob's first push (units)", 128.0, 384.0,
         [&] {
             const V3 push = Blob(stage, 0, 0, 0, 1, 1, 0, 1.0, 0.1f).startPush;
             return one(std::hypot(push.x, push.y));
         }},
        {"a blob's first push direction (rad)", 0.0, TWO_PI,
         [&] {
             const V3 push = Blob(stage, 0, 0, 0, 1, 1, 0, 1.0, 0.1f).startPush;
             return one(turn(push.x, push.y));
         }},
        {"a blob's wobble phase (rad)", 0.0, TWO_PI,
         [&] { return one(Blob(stage, 0, 0, 0, 1, 1, 0, 1.0, 0.1f).wobblePhase); }},
        {"a spark's speed (units/s)", 50.0, 100.0,
         [&] { return sparks([](const Sparc& p) { return std::hypot(p.velocityX, p.velocityY); }); }},
        {"a spark's heading off its burst's direction (rad)", -0.7853982, 0.7853982,
         [&] { return sparks([](const Sparc& p) { return std::atan2(p.velocityY, p.velocityX) - 1.0; }); }},
        {"a spark's turn (rad)", 0.0, TWO_PI, [&] { return sparks([](const Sparc& p) { return p.rotation.z; }); }},
        // The mix of a bright colour's levels is the global helpers' test.
        {"a star's bright colour's full channels (bits red 1, green 2, blue 4)", 1.0, 6.0,
         [] {
             const StarBurst burst(0, 0, 0, 5, 0, 1, 0, 1, 1);
             std::vector<double> drawn;
             for (int i = 0; i < burst.particleCount; ++i) {
                 const UColor c = burst.particles[i].color;
                 drawn.push_back((c.r == 255 ? 1 : 0) + (c.g == 255 ? 2 : 0) + (c.b == 255 ? 4 : 0));
             }
             return drawn;
         }},
        {"a door's head start as its smiley comes out (share of its swing)", -0.5, 0.0,
         [&] {
             door->doorOpening = 0.0f;
             Smiley smiley;
             smiley.apartment = door;
             smiley.setState(Smiley::STATE_APPEARING);
             return one(door->doorOpening);
         }},
        {"a smiley's eyes open before a blink (s)", 1.0, 20.0,
         [] {
             FeatureEyes eyes(1);
             eyes.tick(0.0, 1.0);
             return one(eyes.stateLeft);
         }},
    };
    for (const auto& look : looks) {
        GameHarness::seed(17);
        DrawnRange drawn;
        for (int i = 0; i < DRAWS; ++i)
            for (const double value : look.draw())
                drawn.add(value);
        EXPECT_TRUE(spans(drawn, look.low, look.high)) << look.what;
    }
}

}
}
