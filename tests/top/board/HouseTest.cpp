// Houses on the loaded game data: where the apartments stand and where the
// camera stands to show the house, how the roof's pieces step up over each
// width, and how a door swings with its sounds, hides the front piece when
// shut and carries the away note.
#include "GameHarness.h"
#include "SkinKey.h"

#include "BasicLinkIterator.h"
#include "Skin.h"
#include "board/Apartment.h"
#include "board/House.h"
#include "board/Roof.h"

namespace boardtest {
namespace {

using namespace testsupport;

constexpr float LEFT = 250.0f;

TEST(House, ApartmentsStandTopFloorFirstAndTheCameraStepsBackForTallHousesOnly)
{
    GameHarness::get();
    // The camera stands back far enough for floors x 108 + 48 units to
    // fill the 480 of the screen, never nearer than 320 (zoom 1).
    const struct {
        int columns, floors;
        float zoom;
    } rows[] = {{3, 3, 1.0f}, {7, 4, 1.0f}, {4, 5, 1.225f}, {5, 7, 1.675f}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.columns << "x" << row.floors);
        KivBase frontLayer;
        House house;
        house.create(LEFT, row.columns, row.floors, &frontLayer);
        BasicLinkIterator list(house.apartments);
        for (int floor = row.floors - 1; floor >= 0; --floor)
            for (int column = 0; column < row.columns; ++column) {
                const Apartment* apartment = static_cast<Apartment*>(list.next());
                ASSERT_NE(apartment, nullptr);
                EXPECT_EQ(apartment->position, V3(LEFT + column * 112.0f, floor * 108.0f, 0.0f));
                EXPECT_EQ(house.getApartmentByXY(column, floor), apartment);
            }
        EXPECT_EQ(list.next(), nullptr);
        const V3 camera = house.getCameraPosition();
        EXPECT_NEAR(camera.z, -320.0f * row.zoom, 0.01f);
        EXPECT_NEAR(camera.x, LEFT + row.columns * 112.0f + 16.0f - 320.0f * row.zoom, 0.01f);
    }
}

// From both eaves a "roof:0" piece per column pair, 11 units below the top
// floor's ceiling and 56 higher each column in, the right ones mirrored; a
// "roof:1" at the ridge over an odd width only; the "roof:2" over the
// middle, a sixteenth of the width up. Pieces from the grid's left edge and
// its ceiling, in the order they are laid.
TEST(House, TheRoofStepsUpFromBothEavesWithARidgePieceOverAnOddWidthOnly)
{
    GameHarness::get();
    const struct {
        int columns;
        std::vector<std::string> pieces;
    } roofs[] = {
        {1, {"roof:1 at 0, -11", "roof:2 at 56, 7"}},
        {2, {"roof:0 at 0, -11", "roof:0 mirrored at 224, -11", "roof:2 at 112, 14"}},
        {3, {"roof:0 at 0, -11", "roof:0 mirrored at 336, -11", "roof:1 at 112, 45", "roof:2 at 168, 21"}},
        {4,
         {"roof:0 at 0, -11", "roof:0 mirrored at 448, -11", "roof:0 at 112, 45", "roof:0 mirrored at 336, 45",
          "roof:2 at 224, 28"}},
        {5,
         {"roof:0 at 0, -11", "roof:0 mirrored at 560, -11", "roof:0 at 112, 45", "roof:0 mirrored at 448, 45",
          "roof:1 at 224, 101", "roof:2 at 280, 35"}},
    };
    constexpr int FLOORS = 2;
    for (const auto& row : roofs) {
        KivBase frontLayer;
        House house;
        house.create(LEFT, row.columns, FLOORS, &frontLayer);
        BasicLinkIterator children(&house);
        Roof* roof = dynamic_cast<Roof*>(children.next());
        ASSERT_NE(roof, nullptr) << "the first child of a house of " << row.columns;
        std::vector<std::string> laid;
        BasicLinkIterator pieces(roof);
        while (const Renderable* piece = static_cast<Renderable*>(pieces.next())) {
            const std::string skin = skinKey(piece->pSkin, {{"roof", 3}});
            laid.push_back(formatString("%s%s at %g, %g", skin.c_str(), piece->rotation.y != 0.0f ? " mirrored" : "",
                                        piece->position.x - LEFT, piece->position.y - FLOORS * 108.0f));
        }
        EXPECT_EQ(laid, row.pieces) << row.columns << " columns";
    }
}

TEST(House, DoorsSwingInHalfASecondWithOneSoundEachWayAndShowTheAwayNote)
{
    GameHarness& game = GameHarness::get();
    Context* stage = game.pushStage();
    KivBase* frontLayer = new KivBase();
    stage->addChildLast(frontLayer);
    House* house = new House();
    house->create(LEFT, 3, 3, frontLayer);
    stage->addChildLast(house);
    Apartment* apartment = house->getApartmentByXY(1, 1);
    const Renderable* front = static_cast<Renderable*>(apartment->frontPiece.get());
    game.recordAfresh();

    const struct {
        const char* what;
        float target;
        double seconds;
        float opening;
        bool doorHidden, frontHidden;
        int opens, shuts;
    } steps[] = {
        {"opening", 1.0f, 0.25, 0.5f, false, false, 1, 0},
        {"open", 1.0f, 0.26, 1.0f, true, false, 1, 0},
        {"shutting", 0.0f, 0.46, 0.08f, false, false, 1, 0},
        {"shut", 0.0f, 0.06, 0.0f, false, true, 1, 1},
        // A resident holds its door back so that a house's doors do not
        // all open in the same frame.
        {"held back", 1.0f, 0.0, -0.5f, false, true, 1, 1},
        {"opening after being held back", 1.0f, 0.26, 0.02f, false, false, 2, 1},
    };
    for (const auto& step : steps) {
        apartment->doorTarget = step.target;
        if (step.seconds == 0.0)
            apartment->doorOpening = step.opening;
        game.stepSeconds(step.seconds);
        EXPECT_NEAR(apartment->doorOpening, step.opening, 1e-4f) << step.what;
        EXPECT_EQ(apartment->door->bHidden, step.doorHidden) << step.what;
        EXPECT_EQ(front->bHidden, step.frontHidden) << step.what;
        EXPECT_EQ(game.recorder.timesStarted("doorOpen"), step.opens) << step.what;
        EXPECT_EQ(game.recorder.timesStarted("doorShut"), step.shuts) << step.what;
    }
    for (const bool note : {true, false}) {
        apartment->setAwayNote(note);
        EXPECT_EQ(apartment->door->pSkin, pKiv->pResourceManager->findAs<Skin>(note ? "apartment:3" : "apartment:2"));
    }
    game.recorder = FrameRecorder();
    stage->bFinished = true;
}

}
}
