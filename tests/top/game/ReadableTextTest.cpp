// What a player reads, measured on the drawn frame with the generated fonts
// and art: every arrow caption the game prints, at every place it puts it,
// lies wholly inside the 640 x 480 view (one that would still cross an edge
// is moved in by the overflow), in play none is covered by the display, the
// big caption or its own arrow as they show in each frame, the journey
// map's is neither covered by its logo or the name under the pointer nor
// printed on its heading, and the end-of-house statistics of every
// neighbourhood, the street sign's name, the options heading, the vitamin
// names and the Exit button's caption stand out from what surrounds their
// strokes by the contrast large text needs, and nothing of the scene covers
// the Exit button's caption.
#include "GameSession.h"

#include "FontQuad.h"
#include "ContextOptionsGraphics.h"
#include "ScreenPixels.h"
#include "board/Clown.h"
#include "effects/CircleScore.h"
#include "effects/Chamomile.h"
#include "effects/EndLevelStat.h"
#include "effects/GameSupport.h"
#include "game/ContextMap.h"
#include "game/Orb.h"
#include "rules/HouseProgression.h"

#include <cmath>
#include <cstdio>

namespace {

using namespace testsupport;
using Controller = GameController;
using Puzzle = GameControllerPuzzle;
using Quest = GameControllerAdventure;

constexpr float VIEW_WIDTH = 640.0f, VIEW_HEIGHT = 480.0f;
// What a stage is cleared to while a caption is measured on it.
const UColor BACKDROP(255, 0, 255, 255);
const UColor CAPTION_COLOUR(192, 255, 0, 255);

// A rectangle; in view units from the left and bottom edges, or relative to
// a caption's position.
struct Box {
    float left, bottom, right, top;
};

bool insideTheView(const Box& box)
{
    return box.left >= 0.0f && box.bottom >= 0.0f && box.right <= VIEW_WIDTH && box.top <= VIEW_HEIGHT;
}

std::string describe(const Box& box)
{
    char text[96];
    std::snprintf(text, sizeof(text), "x %.1f..%.1f, y %.1f..%.1f", box.left, box.right, box.bottom, box.top);
    return text;
}

// The frame as the stack draws it now, without stepping.
std::unique_ptr<MemoryImageFile> drawn(GameHarness& game)
{
    pKiv->pGraphics->clear(UColor(0, 0, 0, 0));
    game.stack()->render();
    return grab();
}

// Where the frame is not the backdrop, in view units.
Box inkedBox(const MemoryImageFile& frame)
{
    int left = frame.width, right = -1, top = frame.height, bottom = -1;
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < frame.width; ++x)
            if (!sameColor(BACKDROP, pixelAt(frame, x, y), 8)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return Box{static_cast<float>(left), VIEW_HEIGHT - static_cast<float>(bottom + 1), static_cast<float>(right + 1),
               VIEW_HEIGHT - static_cast<float>(top)};
}

// The caption of an arrow message at (x, y) of a bare stage (its arrow
// hidden), as drawn, in view units.
Box drawnCaption(GameHarness& game, Context* stage, const std::string& caption, float x, float y = 0.0f)
{
    ArrowMessage* message = new ArrowMessage(x, y, 0.0f, CAPTION_COLOUR, 3.14159265f, caption);
    message->arrow->bHidden = true;
    stage->addChildLast(message);
    const Box box = inkedBox(*drawn(game));
    delete message;
    return box;
}

// The caption's ink around its position, at scale 1, measured where it has
// room: the middle of the view.
Box captionExtent(GameHarness& game, Context* stage, const std::string& caption)
{
    const Box drawnBox = drawnCaption(game, stage, caption, 0.0f);
    const float x = VIEW_WIDTH / 2.0f, y = VIEW_HEIGHT / 2.0f;
    return Box{drawnBox.left - x, drawnBox.bottom - y, drawnBox.right - x, drawnBox.top - y};
}

// A bare stage cleared to the backdrop, without the pointer over it.
Context* captionStage(GameHarness& game)
{
    Context* stage = game.pushStage();
    stage->clearColor = BACKDROP;
    stage->bShowPointer = false;
    return stage;
}

// The caption's box in the view when it stands at a world point of a
// screen, the extent taken through the screen's camera.
Box inTheView(const Box& extent, const Camera& camera, V3 at)
{
    const V3 low = camera.world2screen(at.x + extent.left, at.y + extent.bottom, at.z);
    const V3 high = camera.world2screen(at.x + extent.right, at.y + extent.top, at.z);
    return Box{low.x, low.y, high.x, high.y};
}

// The same on an overlay (its origin in the middle of the view), at a scale.
Box onTheOverlay(const Box& extent, float x, float y, float scale)
{
    const float cx = VIEW_WIDTH / 2.0f + x, cy = VIEW_HEIGHT / 2.0f + y;
    return Box{cx + extent.left * scale, cy + extent.bottom * scale, cx + extent.right * scale,
               cy + extent.top * scale};
}

// A saved game at the house of the neighbourhood, the houses before it
// counted.
SavedGame savedAt(int neighbourhood, int house)
{
    SavedGame record{};
    record.housesPlayed = house;
    for (int n = 0; n < neighbourhood; ++n)
        record.housesPlayed += HouseProgression::neighbourhoodHouses[n];
    record.neighbourhood = neighbourhood;
    record.houseIndex = house;
    record.lives = 3;
    return record;
}

// Puzzle houses of every size the mode builds (4x4 up to 6x7): the first
// house of a new game, then houses continued from these records.
const std::pair<int, int> PUZZLE_HOUSES[] = {{2, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}};

// Slots left beside the thermometer (10 down to 1, which covers the 8, 6 or
// 4 slots of the harder settings), "fill this!" at the thermometer, "you are
// here!" over every neighbourhood of the map at half size, "start here"
// over every apartment of every puzzle house, "match this!" over the
// challenge smiley of every neighbourhood for as long as it shows.
TEST(Captions, EveryArrowCaptionLiesInsideTheViewWhereverTheGamePutsIt)
{
    GameHarness& game = GameHarness::get();
    Context* stage = captionStage(game);
    std::map<std::string, Box> extents;
    auto extent = [&](const std::string& caption) {
        if (!extents.count(caption))
            extents[caption] = captionExtent(game, stage, caption);
        return extents[caption];
    };
    for (const char* caption : {"1 slot left", "start here", "match this!", "fill this!", "you are here!"})
        extent(caption);
    for (int slots = 2; slots <= 10; ++slots)
        extent(std::to_string(slots) + " slots left");
    // The thermometer's captions (on the overlay, at scale 1) drawn where the
    // game puts them, so moved as the game moves a caption the view's edge
    // would cut: whole when their ink there is as large as in the middle.
    std::map<std::string, Box> atThermometer;
    for (const auto& [caption, box] : extents)
        if (caption.find("slot") != std::string::npos || caption == "fill this!")
            atThermometer[caption] =
                drawnCaption(game, stage, caption, -230.0f, caption == "fill this!" ? -146.0f : -66.0f);
    stage->bFinished = true;
    game.step();

    int checked = 0;
    auto expectInside = [&checked](const std::string& caption, const std::string& where, const Box& box) {
        ++checked;
        EXPECT_TRUE(insideTheView(box)) << '"' << caption << "\" " << where << ": " << describe(box);
    };
    for (const auto& [caption, box] : atThermometer) {
        const Box& whole = extents[caption];
        ++checked;
        EXPECT_TRUE(std::abs(box.right - box.left - (whole.right - whole.left)) <= 1.0f &&
                    std::abs(box.top - box.bottom - (whole.top - whole.bottom)) <= 1.0f)
            << '"' << caption << "\" at the thermometer: " << describe(box) << ", whole " << describe(whole);
    }
    for (int n = 0; n < HouseProgression::NEIGHBOURHOOD_COUNT; ++n) {
        const V3 spot = ContextMap::mapPositions[n];
        expectInside("you are here!", HouseProgression::neighbourhoodNames[n],
                     onTheOverlay(extents["you are here!"], spot.x, spot.y + 50.0f, 0.5f));
    }

    GameSession session = GameSession::quick(false);
    auto startCaptions = [&](Puzzle* puzzle) {
        ASSERT_TRUE(puzzle && session.waitForPlay());
        session.game.stepSeconds(2.0);
        const std::string size = std::to_string(puzzle->sizeX) + "x" + std::to_string(puzzle->sizeY);
        for (const Smiley* smiley : childrenOf<Smiley>(puzzle->smileyLayer))
            expectInside("start here", "over a smiley of a " + size + " house",
                         inTheView(extents["start here"], *puzzle->scene->pCamera,
                                   smiley->position + V3(0.0f, 80.0f, 0.0f)));
        session.leave();
    };
    startCaptions(session.startNew<Puzzle>(3));
    for (const auto& [neighbourhood, house] : PUZZLE_HOUSES)
        startCaptions(session.continueFrom<Puzzle>(savedAt(neighbourhood, house)));

    for (int n = 0; n < HouseProgression::NEIGHBOURHOOD_COUNT; ++n) {
        Quest* quest = session.continueFrom<Quest>(savedAt(n, HouseProgression::neighbourhoodHouses[n] - 1));
        ASSERT_NE(quest, nullptr) << n;
        auto shown = [&] {
            const std::vector<ArrowMessage*> arrows = childrenOf<ArrowMessage>(quest->effectLayer);
            return arrows.empty() ? nullptr : arrows.back();
        };
        ASSERT_TRUE(session.playUntil([&] { return shown() != nullptr; })) << n;
        for (ArrowMessage* arrow = shown(); arrow; arrow = shown()) {
            ASSERT_EQ(arrow->caption, "match this!");
            expectInside("match this!", std::string("over the challenge smiley of ") + HouseProgression::neighbourhoodNames[n],
                         inTheView(extents["match this!"], *quest->scene->pCamera, arrow->position));
            session.game.step();
        }
        session.leave();
    }
    EXPECT_GT(checked, 400) << "places checked";
}

// The widest caption the game prints, over a smiley at the edge of the
// view, is drawn whole: moved in by as much as it would cross the edge.
TEST(Captions, ACaptionThatWouldCrossTheViewsEdgeIsMovedInWhole)
{
    GameHarness& game = GameHarness::get();
    Context* stage = captionStage(game);
    const Box whole = captionExtent(game, stage, "matching smiley");
    ASSERT_GT(300.0f + whole.right, VIEW_WIDTH / 2.0f) << "the place does not test the edge";
    for (const float x : {300.0f, -300.0f}) {
        const Box box = drawnCaption(game, stage, "matching smiley", x);
        EXPECT_TRUE(insideTheView(box)) << x << ": " << describe(box);
        EXPECT_NEAR(box.right - box.left, whole.right - whole.left, 1.0f) << x;
    }
    stage->bFinished = true;
    game.step();
}

// The journey map's "you are here!" over every neighbourhood, twice while
// the arrow still glides and once at rest, with the pointer over each place
// of the map (its name showing there) and far from all: every pixel of the
// caption, drawn with what the map draws after the arrow (the logo, the
// name) made see-through, is the same in the whole frame, and none lies on
// the ink of the heading drawn under it.
TEST(Captions, TheJourneyMapsCaptionIsUncoveredDuringAndAfterTheGlide)
{
    GameHarness& game = GameHarness::get();
    std::vector<std::pair<std::string, V3>> pointers{{"far from every place", V3(250.0f, -200.0f, 0.0f)}};
    for (int i = 0; i < HouseProgression::NEIGHBOURHOOD_COUNT; ++i)
        pointers.emplace_back(std::string("over ") + HouseProgression::neighbourhoodNames[i], ContextMap::mapPositions[i]);
    for (int n = 0; n < HouseProgression::NEIGHBOURHOOD_COUNT; ++n) {
        ContextMap* map = new ContextMap(n - 1, n);
        game.stack()->pushContext(map);
        // The pointer's own picture is the player's to move away.
        map->bShowPointer = false;
        std::vector<std::pair<Renderable*, uint8_t>> covers;
        for (BasicLink* link = map->arrow->pNext; link; link = link->pNext)
            if (Renderable* cover = dynamic_cast<Renderable*>(static_cast<KivBase*>(link)))
                covers.emplace_back(cover, cover->color.a);
        const std::vector<RenderableText*> texts = childrenOf<RenderableText>(map);
        const auto heading = std::find_if(texts.begin(), texts.end(),
                                          [](RenderableText* t) { return t->text == "Your journey so far..."; });
        ASSERT_NE(heading, texts.end());
        // Where the heading inks the frame, taken once: it stands still.
        std::vector<char> headingInk;
        for (const double moment : {3.6, 3.8, 4.5}) {
            game.stepUntil([&] { return map->t >= moment; });
            for (const auto& [over, at] : pointers) {
                pointAt(at.x, at.y, map);
                game.step();
                const std::unique_ptr<MemoryImageFile> whole = drawn(game);
                for (const auto& [cover, alpha] : covers)
                    cover->color.a = 0;
                const std::unique_ptr<MemoryImageFile> alone = drawn(game);
                const UString caption = map->arrow->caption;
                map->arrow->caption.clear();
                const std::unique_ptr<MemoryImageFile> without = drawn(game);
                if (headingInk.empty()) {
                    (*heading)->color.a = 0;
                    const std::unique_ptr<MemoryImageFile> bare = drawn(game);
                    (*heading)->color.a = 255;
                    for (int y = 0; y < bare->height; ++y)
                        for (int x = 0; x < bare->width; ++x)
                            headingInk.push_back(!sameColor(pixelAt(*bare, x, y), pixelAt(*without, x, y), 8));
                    ASSERT_GT(std::count(headingInk.begin(), headingInk.end(), 1), 100) << "no heading drawn";
                }
                map->arrow->caption = caption;
                for (const auto& [cover, alpha] : covers)
                    cover->color.a = alpha;
                int inked = 0, covered = 0, onTheHeading = 0;
                for (int y = 0; y < whole->height; ++y)
                    for (int x = 0; x < whole->width; ++x)
                        if (!sameColor(pixelAt(*without, x, y), pixelAt(*alone, x, y), 8)) {
                            ++inked;
                            covered += !sameColor(pixelAt(*alone, x, y), pixelAt(*whole, x, y), 8);
                            onTheHeading += headingInk[static_cast<size_t>(y) * whole->width + x];
                        }
                const std::string where = std::string(HouseProgression::neighbourhoodNames[n]) + " at " +
                                          std::to_string(moment).substr(0, 3) + " s, the pointer " + over;
                EXPECT_GT(inked, 100) << where << ": no caption drawn";
                EXPECT_EQ(covered, 0) << where << ": covered, of " << inked << " pixels";
                EXPECT_EQ(onTheHeading, 0) << where << ": on the heading, of " << inked << " pixels";
            }
        }
        map->bFinished = true;
        game.step(2);
    }
}

// A change's bounds in view units.
Box inView(const FrameChange& change)
{
    return Box{static_cast<float>(change.left), VIEW_HEIGHT - static_cast<float>(change.bottom),
               static_cast<float>(change.right), VIEW_HEIGHT - static_cast<float>(change.top)};
}

// What a message's caption, or its arrow, adds to the game's frame; the
// other is drawn empty or see-through meanwhile (the arrow not hidden: the
// caption keeps clear of it).
FrameChange drawnPart(GameHarness& game, ArrowMessage* message, bool bCaption)
{
    const UString caption = message->caption;
    message->caption.clear();
    message->arrow->color.a = 0;
    const std::unique_ptr<MemoryImageFile> without = drawn(game);
    message->caption = bCaption ? caption : UString();
    message->arrow->color.a = bCaption ? 0 : 255;
    const FrameChange part = frameChange(*without, *drawn(game));
    message->caption = caption;
    message->arrow->color.a = 255;
    return part;
}

// Captions over the house in play, the camera at rest and the display's
// panels slid in: whole (as wide and high as the caption alone), nothing of
// them covered by the overlay's display and big caption (the same pixels
// with the overlay left out), and clear of their own arrow over a whole
// swing and of the way down from it to the smiley it points at; judged by
// what shows when it is drawn, not when it was made: a panel slid in later
// is kept clear of, a big caption gone is no longer.
TEST(Captions, ACaptionInPlayIsWholeUncoveredAndClearOfItsArrow)
{
    GameHarness& game = GameHarness::get();
    Context* stage = captionStage(game);
    std::map<std::string, Box> extents;
    for (const char* caption : {"match this!", "matching smiley", "solution"})
        extents[caption] = captionExtent(game, stage, caption);
    stage->bFinished = true;
    game.step();

    GameSession session = GameSession::quick(true);
    auto shown = [&] {
        const std::vector<ArrowMessage*> arrows = childrenOf<ArrowMessage>(session.controller->effectLayer);
        return arrows.empty() ? nullptr : arrows.back();
    };
    // A challenge round in play, its thermometer slid in (in a second).
    auto challenge = [&](int n) {
        const bool bInPlay = session.continueFrom<Quest>(savedAt(n, HouseProgression::neighbourhoodHouses[n] - 1)) &&
                             session.waitForPlay();
        game.stepSeconds(1.0);
        return bInPlay;
    };
    // Action mode's hint over the left end of the second floor (beside the
    // vitamins) of a first house, 4 wide, whose smileys join the layer floor
    // by floor from the top, left to right: in the first game with a smiley
    // whose first partner in the layer stands there, that one selected.
    std::function<bool()> beforeTheHint = [] { return true; };
    auto hintBesideTheVitamins = [&] {
        for (unsigned seed = 1; seed <= 50; ++seed) {
            session.startNew<GameControllerTimeTrial>(seed);
            if (!beforeTheHint())
                return false;
            const std::vector<Smiley*> present = session.presentSmileys();
            for (Smiley* selected : present) {
                auto partner = [&](Smiley* other) { return selected->canMatch(other, false); };
                if (std::find_if(present.begin(), present.end(), partner) - present.begin() == 4) {
                    session.click(selected);
                    return true;
                }
            }
            session.leave();
        }
        return false;
    };
    // The same hint made while the vitamins are slid out, which then slide
    // in over its place.
    auto vitaminsAfterTheHint = [&] {
        auto slide = [&](bool bIn) {
            PlayerHUD* hud = session.controller->hud;
            hud->showVitamins = bIn;
            return game.stepUntil([&] { return hud->vitaminsShown == (bIn ? 1.0f : 0.0f); }, 40);
        };
        beforeTheHint = [&] { return slide(false); };
        const bool bHint = hintBesideTheVitamins();
        beforeTheHint = [] { return true; };
        return bHint && slide(true);
    };
    auto solution = [&] { return session.playUntil([&] { return shown() && shown()->caption == "solution"; }); };
    // A round of Impassable Pass run out, in the first game whose answer's
    // "solution" would stand just under "too slow!": in its way when it
    // keeps clear of its arrow.
    auto solutionUnderTooSlow = [&] {
        for (unsigned seed = 1; seed <= 30; ++seed) {
            GameHarness::seed(seed);
            if (!challenge(7) || !solution())
                return false;
            game.stepSeconds(0.3);
            const Box nominal = inTheView(extents["solution"], *session.controller->scene->pCamera, shown()->position);
            RenderableText* big = session.controller->captionText;
            const std::unique_ptr<MemoryImageFile> with = drawn(game);
            // See-through, not hidden: a hidden one is not dodged.
            const uint8_t alpha = big->color.a;
            big->color.a = 0;
            const Box tooSlow = inView(frameChange(*drawn(game), *with));
            big->color.a = alpha;
            if (nominal.left < tooSlow.right && tooSlow.left < nominal.right && nominal.top <= tooSlow.bottom &&
                nominal.top > tooSlow.bottom - 40.0f)
                return true;
            session.leave();
        }
        return false;
    };
    // The same "solution" once "too slow!" has gone.
    auto tooSlowGoneFromOverTheSolution = [&] {
        if (!solutionUnderTooSlow())
            return false;
        RenderableText* big = session.controller->captionText;
        big->expire();
        return game.stepUntil([&] { return !big->isShowing(); }, 20);
    };
    const struct Row {
        const char* what;
        std::function<bool()> bringUp;
        // Nothing of the overlay stands in the caption's way any more: it
        // stands right over its arrow, as close as it keeps.
        bool bByItsArrow = false;
    } rows[] = {
        {"match this! by the thermometer", [&] { return challenge(0); }},
        {"match this! in Middle Road", [&] { return challenge(3); }},
        {"matching smiley beside the vitamins", hintBesideTheVitamins},
        {"matching smiley, the vitamins slid in after it", vitaminsAfterTheHint},
        {"solution after too slow!", [&] { return challenge(3) && solution(); }},
        {"solution under too slow!", solutionUnderTooSlow},
        {"solution made under too slow!, which has gone", tooSlowGoneFromOverTheSolution, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(row.bringUp() && shown());
        ArrowMessage* message = shown();
        const Box whole = inTheView(extents[message->caption], *session.controller->scene->pCamera, message->position);
        session.controller->overlay->bDetached = 1;
        const FrameChange alone = drawnPart(game, message, true);
        session.controller->overlay->bDetached = 0;
        EXPECT_NEAR(alone.right - alone.left, whole.right - whole.left, 3.0f) << describe(inView(alone));
        EXPECT_NEAR(alone.bottom - alone.top, whole.top - whole.bottom, 3.0f) << describe(inView(alone));
        EXPECT_EQ(drawnPart(game, message, true).pixels, alone.pixels) << "covered by the overlay";
        const Reference alive(message);
        bool bMeet = false;
        float arrowTop = 0.0f;
        for (int frame = 0; frame < 16 && alive.get() && !bMeet; ++frame, game.step()) {
            const Box caption = inView(drawnPart(game, message, true));
            Box arrow = inView(drawnPart(game, message, false));
            arrow.bottom = 0.0f;
            arrowTop = std::max(arrowTop, arrow.top);
            bMeet = caption.left < arrow.right - 1.0f && arrow.left < caption.right - 1.0f &&
                    caption.bottom < arrow.top - 1.0f && arrow.bottom < caption.top - 1.0f;
            EXPECT_FALSE(bMeet) << "caption " << describe(caption) << ", arrow " << describe(arrow);
        }
        if (row.bByItsArrow) {
            const Box caption = inView(alone);
            EXPECT_NEAR(caption.left, whole.left, 2.0f) << describe(caption);
            EXPECT_LE(caption.bottom, arrowTop + 8.0f) << describe(caption) << ", the arrow's swing up to " << arrowTop;
        }
        session.leave();
    }
}

// A text on the frame as drawn: the pixels of its strokes and their
// contrast with what surrounds them, the median of the pixels within two
// pixels of them (the text's own dark halo where it has one, the scene
// where not). The text is what changes when hide(true) takes it away (and
// hide(false) puts it back); its strokes are the changed pixels of its
// colour.
struct Strokes {
    int pixels = 0;
    double contrast = 0.0;
};

Strokes strokesOf(GameHarness& game, UColor colour, const std::function<void(bool)>& hide)
{
    const std::unique_ptr<MemoryImageFile> with = drawn(game);
    hide(true);
    const std::unique_ptr<MemoryImageFile> without = drawn(game);
    hide(false);
    const int w = with->width, h = with->height;
    Strokes strokes;
    std::vector<char> stroke(static_cast<size_t>(w) * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const UColor seen = pixelAt(*with, x, y);
            stroke[static_cast<size_t>(y) * w + x] =
                !sameColor(pixelAt(*without, x, y), seen, 24) && sameColor(colour, seen, 48);
            strokes.pixels += stroke[static_cast<size_t>(y) * w + x];
        }
    std::vector<std::pair<double, UColor>> around;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (stroke[static_cast<size_t>(y) * w + x])
                continue;
            bool near = false;
            for (int dy = -2; dy <= 2 && !near; ++dy)
                for (int dx = -2; dx <= 2 && !near; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    near = nx >= 0 && ny >= 0 && nx < w && ny < h && stroke[static_cast<size_t>(ny) * w + nx];
                }
            if (near)
                around.emplace_back(relativeLuminance(pixelAt(*with, x, y)), pixelAt(*with, x, y));
        }
    if (around.empty())
        return strokes;
    std::nth_element(around.begin(), around.begin() + around.size() / 2, around.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    strokes.contrast = contrastRatio(colour, around[around.size() / 2].second);
    return strokes;
}

double contrastAroundStrokes(GameHarness& game, RenderableText* text)
{
    return strokesOf(game, text->color, [text](bool hidden) { text->bHidden = hidden; }).contrast;
}

// Each neighbourhood's street sign as the camera reaches it, then its puzzle
// house (every size the mode builds, with the finished path across it)
// cleared along the solution, and the statistics page over it.
TEST(Contrast, TheStatisticsOnEveryNeighbourhoodsHouseAndTheStreetSignStandOutFromTheirBackground)
{
    GameSession session = GameSession::quick(false);
    GameHarness& game = session.game;
    for (int n = 0; n < HouseProgression::NEIGHBOURHOOD_COUNT; ++n) {
        SCOPED_TRACE(HouseProgression::neighbourhoodNames[n]);
        Puzzle* puzzle = session.continueFrom<Puzzle>(savedAt(n, std::max(1, n)));
        ASSERT_NE(puzzle, nullptr);
        ASSERT_TRUE(session.playUntil([&] {
            return puzzle->state == Controller::STATE_STREET && puzzle->timeInState > 3.5;
        }));
        RenderableText* sign = nullptr;
        for (RenderableText* text : childrenOf<RenderableText>(puzzle->sceneryLayer))
            if (text->text == HouseProgression::neighbourhoodNames[n])
                sign = text;
        ASSERT_NE(sign, nullptr);
        EXPECT_GE(contrastAroundStrokes(game, sign), 3.0) << "the sign";

        ASSERT_TRUE(session.waitForPlay());
        for (const Smiley* smiley : childrenOf<Smiley>(puzzle->smileyLayer))
            session.click(smiley);
        ASSERT_TRUE(session.playUntil([&] { return puzzle->state == Controller::STATE_STATISTICS; }));
        game.stepSeconds(2.0);
        const std::vector<EndLevelStat*> lines = childrenOf<EndLevelStat>(puzzle->statsLayer);
        ASSERT_EQ(lines.size(), 5u);
        for (EndLevelStat* line : lines)
            for (RenderableText* text : {line->labelText, line->valueText})
                EXPECT_GE(contrastAroundStrokes(game, text), 3.0) << text->text;
        session.leave();
    }
}

// Bonus popups, drawn with the generated HUD font: a popup's name (after
// its star) and its amount (its last run of digits and commas) do not
// meet, and neither is cut by the view's edge.
void expectNameApartFromAmount(GameHarness& game, CircleScore* popup, const std::string& where)
{
    const FontQuad* font = GameSupport::resource<FontQuad>("fontHUD");
    const std::vector<Renderable*> sprites = childrenOf<Renderable>(popup);
    auto isMark = [&](const Renderable* sprite) {
        for (const char c : std::string("0123456789,"))
            if (font->getSymbolData(c).pQuad == sprite->pSkin)
                return true;
        return false;
    };
    size_t amount = sprites.size();
    while (amount > 1 && isMark(sprites[amount - 1]))
        --amount;
    // Without the popup, with its name alone, with its amount alone.
    std::unique_ptr<MemoryImageFile> frames[3];
    const std::pair<size_t, size_t> shown[3] = {{0, 0}, {1, amount}, {amount, sprites.size()}};
    for (int f = 0; f < 3; ++f) {
        for (size_t i = 0; i < sprites.size(); ++i)
            sprites[i]->bHidden = i < shown[f].first || i >= shown[f].second;
        frames[f] = drawn(game);
    }
    for (Renderable* sprite : sprites)
        sprite->bHidden = false;
    const int w = frames[0]->width, h = frames[0]->height;
    auto inked = [&](int f, int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h &&
               !sameColor(pixelAt(*frames[0], x, y), pixelAt(*frames[f], x, y), 16);
    };
    bool bMeet = false, bCut[3] = {}, bSeen[3] = {};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int f = 1; f < 3; ++f)
                if (inked(f, x, y)) {
                    bSeen[f] = true;
                    bCut[f] = bCut[f] || x == 0 || y == 0 || x == w - 1 || y == h - 1;
                    for (int d = 0; d < 9 && f == 1; ++d)
                        bMeet = bMeet || inked(2, x + d % 3 - 1, y + d / 3 - 1);
                }
    ASSERT_TRUE(bSeen[1] && bSeen[2]) << where;
    EXPECT_FALSE(bMeet) << where << ": the name runs into its amount";
    EXPECT_FALSE(bCut[1] || bCut[2]) << where << ": cut by the view's edge";
}

// Every neighbourhood: the four house bonuses with its amounts, and the
// circus bonus over a clown in each apartment of the bottom row of its
// largest house, in play.
TEST(Popups, EveryBonusNameStandsApartFromItsAmountWholeInTheView)
{
    GameSession session = GameSession::quick(false);
    for (int n = 0; n < HouseProgression::NEIGHBOURHOOD_COUNT; ++n) {
        SCOPED_TRACE(HouseProgression::neighbourhoodNames[n]);
        Quest* quest = session.continueFrom<Quest>(savedAt(n, HouseProgression::neighbourhoodHouses[n] - 2));
        ASSERT_TRUE(quest && session.waitForPlay());
        quest->clearBonusEarned = quest->eagleEyeEarned = quest->matchBonusEarned = quest->extraBonusEarned = true;
        quest->awardHouseBonuses();
        session.game.stepSeconds(3.0);
        for (CircleScore* popup : childrenOf<CircleScore>(quest->bonusLayer)) {
            expectNameApartFromAmount(session.game, popup, "house bonus at " + std::to_string(int(popup->position.x)));
            delete popup;
        }
        float bottom = 1e9f;
        for (const Smiley* smiley : session.presentSmileys())
            bottom = std::min(bottom, smiley->position.y);
        for (const Smiley* smiley : session.presentSmileys())
            if (smiley->position.y == bottom) {
                Clown first, second;
                second.position = smiley->position;
                second.updateVisuals();
                quest->checkCircusBonus(&first, &second);
                session.game.stepSeconds(0.6);
                for (CircleScore* popup : childrenOf<CircleScore>(quest->effectLayer)) {
                    expectNameApartFromAmount(session.game, popup,
                                              "circus bonus at " + std::to_string(int(smiley->position.x)));
                    delete popup;
                }
            }
        session.leave();
    }
}

// The vitamin names in a quest game: in their own colours when the player
// can pay, in grey when not.
TEST(Contrast, TheVitaminNamesStandOutFromTheirRow)
{
    const struct Name {
        int kind;
        int coins;
        UColor colour;
    } names[] = {
        {VITAMIN_HINT, 1000, UColor(80, 80, 255, 255)},
        {VITAMIN_EMPTY_SLOT, 1000, UColor(192, 0, 0, 255)},
        {VITAMIN_HINT, 0, UColor(128, 128, 128, 255)},
    };
    GameSession session = GameSession::quick(false);
    Quest* quest = session.startNew<Quest>(3);
    const std::vector<Orb*> column = childrenOf<Orb>(quest->hud->vitamins);
    for (const Name& row : names) {
        const auto orb = std::find_if(column.begin(), column.end(), [&](Orb* o) { return o->kind == row.kind; });
        ASSERT_NE(orb, column.end()) << row.kind;
        const std::string name = (*orb)->name;
        quest->playerData->coins = row.coins;
        session.game.stepSeconds(1.0);
        const Strokes seen =
            strokesOf(session.game, row.colour, [&](bool hidden) { (*orb)->name = hidden ? "" : name; });
        EXPECT_GE(seen.contrast, 3.0) << name << ", " << row.coins;
    }
    session.leave();
}

// The Graphics page's "Advanced options" heading over the menus' sky.
TEST(Contrast, TheOptionsHeadingStandsOutFromTheSky)
{
    GameHarness& game = GameHarness::get();
    ASSERT_TRUE(game.skipToMenu());
    ContextOptionsGraphics* page = new ContextOptionsGraphics();
    page->bDeleteWhenFinished = true;
    game.stack()->pushContext(page);
    game.stepSeconds(1.0);
    const std::vector<RenderableText*> texts = childrenOf<RenderableText>(page);
    const auto heading = std::find_if(texts.begin(), texts.end(),
                                      [](RenderableText* t) { return t->text == "Advanced options"; });
    ASSERT_NE(heading, texts.end());
    RenderableText* text = *heading;
    EXPECT_GE(contrastAroundStrokes(game, text), 3.0);
    page->bFinished = true;
    game.step();
}

// The Exit button of each of the first four houses of a neighbourhood (the
// last one taller than the others), seen as the game plays them: its
// orange caption reads, and is as whole as with the flowers taken away.
TEST(Contrast, TheExitButtonsCaptionStandsWholeInFrontOfTheScene)
{
    GameSession session = GameSession::quick(false);
    for (const unsigned seed : {2u, 6u}) {
        GameHarness::seed(seed);
        Quest* quest = session.continueFrom<Quest>(savedAt(2, 0));
        ASSERT_NE(quest, nullptr);
        for (int house = 0; house < 4; ++house) {
            ASSERT_TRUE(session.waitForPlay());
            session.game.stepSeconds(3.0);
            MenuButtonQuit* exit = childrenOf<MenuButtonQuit>(quest->sceneryLayer).back();
            const UString caption = exit->caption;
            auto strokes = [&](bool bFlowers) {
                for (Chamomile* flower : childrenOf<Chamomile>(quest->flowerLayer))
                    flower->bHidden = !bFlowers;
                return strokesOf(session.game, UColor(255, 128, 0, 255),
                                 [&](bool hidden) { exit->caption = hidden ? UString() : caption; });
            };
            const Strokes bare = strokes(false), seen = strokes(true);
            EXPECT_GE(seen.contrast, 3.0) << "seed " << seed << ", house " << house;
            EXPECT_EQ(seen.pixels, bare.pixels) << "seed " << seed << ", house " << house;
            session.playGreedily();
        }
        session.leave();
    }
}

// The bonus names laid on a popup's ring as the game lays them (radius 40,
// centred on the top, running clockwise outside it), each glyph drawn alone
// on a bare stage. A gap is the arc, on the circle through the middle of
// the ink, from one glyph's last inked angle to the next one's first: the
// space between two words keeps their inks apart and is wider than any gap
// between two letters of a word by more than a stroke of the letters.
TEST(Popups, ASpaceOnTheRingIsWiderThanTheGapsBetweenLetters)
{
    constexpr double STROKE = 4.0;
    GameHarness& game = GameHarness::get();
    ASSERT_TRUE(game.skipToMenu());
    const FontQuad* font = GameSupport::resource<FontQuad>("fontHUD");
    Context* stage = captionStage(game);
    for (const std::string name : {"clear bonus", "eagle eye", "match bonus", "extra bonus", "circus bonus!"}) {
        CircleScore* popup = new CircleScore(nullptr, 1000, 0.0f);
        popup->addCircularText(name, UColor(0, 128, 255, 255), 40.0f, 1.5707964f, 1);
        stage->addChildLast(popup);
        game.stepSeconds(1.0);
        const std::vector<Renderable*> glyphs = childrenOf<Renderable>(popup);
        // Each glyph's first and last angle clockwise from the top.
        std::vector<std::pair<double, double>> spans;
        double radii = 0.0;
        int inked = 0;
        for (Renderable* shown : glyphs) {
            for (Renderable* glyph : glyphs)
                glyph->bHidden = glyph != shown;
            const std::unique_ptr<MemoryImageFile> frame = drawn(game);
            std::pair<double, double> span{10.0, -10.0};
            for (int y = 0; y < frame->height; ++y)
                for (int x = 0; x < frame->width; ++x)
                    if (!sameColor(BACKDROP, pixelAt(*frame, x, y), 8)) {
                        const double dx = x + 0.5 - VIEW_WIDTH / 2.0, dy = VIEW_HEIGHT / 2.0 - y - 0.5;
                        span = {std::min(span.first, std::atan2(dx, dy)), std::max(span.second, std::atan2(dx, dy))};
                        radii += std::hypot(dx, dy);
                        ++inked;
                    }
            spans.push_back(span);
        }
        ASSERT_GT(inked, 0) << name;
        double widestLetterGap = -1e9, space = -1e9;
        size_t glyph = 0;
        for (size_t i = 0; i < name.size(); ++i) {
            if (!font->getSymbolData(static_cast<unsigned char>(name[i])).pQuad)
                continue;
            if (glyph > 0) {
                const double gap = (spans[glyph].first - spans[glyph - 1].second) * radii / inked;
                if (name[i - 1] == ' ')
                    space = gap;
                else
                    widestLetterGap = std::max(widestLetterGap, gap);
            }
            ++glyph;
        }
        ASSERT_EQ(glyph, glyphs.size()) << name;
        EXPECT_GT(space, 0.0) << name << ": the words meet";
        EXPECT_GT(space, widestLetterGap + STROKE)
            << name << ": the space is " << space << " px, a gap between letters up to " << widestLetterGap << " px";
        delete popup;
    }
    stage->bFinished = true;
    game.step();
}

} // namespace
