// The journey map: what it shows as its arrow travels from the last
// neighbourhood reached to the current one. (The in-game message box is
// closed in every game test; Escape and Space close it through the screen
// stack's close keys.)
#include "GameSession.h"

#include "ArrowMessage.h"
#include "ContextMap.h"
#include "Skin.h"

namespace {

using namespace testsupport;

TEST(JourneyMap, MarksTheNeighbourhoodsReachedAndGlidesTheArrowToTheCurrentOne)
{
    GameHarness& game = GameHarness::get();
    Skin* marker = pKiv->pResourceManager->findAs<Skin>("intro1:11");
    const V3* spots = ContextMap::mapPositions;
    const V3 above(0.0f, 50.0f, 0.0f);
    const struct {
        int previous;
        int current;
        int markers;
    } rows[] = {{-1, 0, 0}, {6, 7, 7}};
    for (const auto& row : rows) {
        ContextMap* map = new ContextMap(row.previous, row.current);
        int markers = 0;
        for (const Renderable* child : childrenOf<Renderable>(map))
            markers += child->pSkin == marker;
        EXPECT_EQ(markers, row.markers) << row.current;

        game.stack()->pushContext(map);
        game.recorder = FrameRecorder();
        game.recorder.bRecording = true;
        game.stepUntil([&] { return map->t >= 0.9; });
        EXPECT_EQ(map->arrow->position, spots[std::max(row.previous, 0)] + above) << row.current;
        EXPECT_EQ(map->arrow->caption, "");
        game.stepUntil([&] { return map->t >= 4.0; });
        EXPECT_EQ(map->arrow->caption, "you are here!");
        game.step(50);
        EXPECT_EQ(map->arrow->position, spots[row.current] + above) << row.current;
        EXPECT_EQ(game.recorder.timesStarted("jingle01"), 1) << row.current;

        map->bFinished = true;
        game.step();
    }
}

}
