// Houses on the loaded game data: where every apartment of every house size
// stands and how it is found, where the camera stands to show the house,
// and how a door swings with its sounds, hides and shows the front piece,
// and carries the away note.
#include "GameHarness.h"

#include "BasicLinkIterator.h"
#include "Skin.h"
#include "board/Apartment.h"
#include "board/House.h"

namespace boardtest {
namespace {

using namespace testsupport;

constexpr float LEFT = 250.0f;

TEST(House, EverySizeListsItsApartmentsTopFloorFirstIsShownWholeByTheCameraAndFindsOnlyItsCells)
{
    GameHarness::get();
    for (int columns = 3; columns <= 7; ++columns)
        for (int floors = 3; floors <= 7; ++floors) {
            SCOPED_TRACE(testing::Message() << columns << "x" << floors);
            KivBase frontLayer;
            House house;
            house.create(LEFT, columns, floors, &frontLayer);

            ASSERT_EQ(house.apartments->getChildCount(), columns * floors);
            EXPECT_EQ(frontLayer.getChildCount(), columns * floors);
            BasicLinkIterator list(house.apartments);
            for (int floor = floors - 1; floor >= 0; --floor)
                for (int column = 0; column < columns; ++column) {
                    const Apartment* apartment = static_cast<Apartment*>(list.next());
                    EXPECT_EQ(apartment->gridX, column);
                    EXPECT_EQ(apartment->gridY, floor);
                    EXPECT_EQ(apartment->position, V3(LEFT + column * 112.0f, floor * 108.0f, 0.0f));
                    EXPECT_EQ(house.getApartmentByXY(column, floor), apartment);
                    EXPECT_EQ(static_cast<Renderable*>(apartment->frontPiece.get())->getParent(), &frontLayer);
                }

            // The view ends 16 units right of the house and is tall enough
            // for the floors and 48 units more, never nearer than usual.
            const V3 camera = house.getCameraPosition();
            const Camera::VisibleRect view = Camera::getVisibleRectFrom(0.0f, camera.x, camera.y, camera.z);
            EXPECT_NEAR(view.right, LEFT + columns * 112.0f + 16.0f, 0.01f);
            EXPECT_NEAR(view.top - view.bottom, std::max(480.0f, floors * 108.0f + 48.0f), 0.01f);
            // A cell outside the grid is fatal; the child reports without
            // the game's engine, which would move the game's log aside.
            if (columns * floors != 15)
                continue;
            for (const auto& [x, y] : {std::make_pair(columns, 0), std::make_pair(0, floors), std::make_pair(-1, 2)})
                EXPECT_EXIT(
                    {
                        pKiv = nullptr;
                        house.getApartmentByXY(x, y);
                    },
                    ::testing::ExitedWithCode(255), formatString("Could not find apartment at \\(%d,%d\\)\\.", x, y));
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
    game.recordAfresh();

    const struct Step {
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
        {"held back", 1.0f, 0.0, -0.5f, false, true, 1, 1},
        {"opening after being held back", 1.0f, 0.26, 0.02f, false, false, 2, 1},
    };
    for (const Step& step : steps) {
        apartment->doorTarget = step.target;
        // A resident holds its door back this far so that a house's doors
        // do not all open in the same frame.
        if (step.seconds == 0.0)
            apartment->doorOpening = step.opening;
        game.stepSeconds(step.seconds);
        EXPECT_NEAR(apartment->doorOpening, step.opening, 1e-4f) << step.what;
        EXPECT_EQ(apartment->door->bHidden, step.doorHidden) << step.what;
        EXPECT_EQ(static_cast<Renderable*>(apartment->frontPiece.get())->bHidden, step.frontHidden) << step.what;
        EXPECT_EQ(game.recorder.timesStarted("doorOpen"), step.opens) << step.what;
        EXPECT_EQ(game.recorder.timesStarted("doorShut"), step.shuts) << step.what;
    }

    for (const bool note : {true, false, true}) {
        apartment->setAwayNote(note);
        EXPECT_EQ(apartment->door->pSkin, pKiv->pResourceManager->findAs<Skin>(note ? "apartment:3" : "apartment:2"));
    }

    // The next house's build empties the front layer while this house is
    // still on screen; its doors go on swinging without their front pieces.
    frontLayer->deleteAllChildren();
    for (const float target : {1.0f, 0.0f}) {
        apartment->doorTarget = target;
        game.stepSeconds(0.6);
    }
    EXPECT_EQ(apartment->frontPiece.get(), nullptr);
    EXPECT_EQ(apartment->doorOpening, 0.0f);
    EXPECT_EQ(game.recorder.timesStarted("doorShut"), 2);
    game.recorder = FrameRecorder();
    stage->bFinished = true;
}

}
}
