// Houses on the loaded game data: where every apartment of every house size
// stands and how it is found, and where the camera stands to show the house
// whole.
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

}
}
