// The in-game message box and the journey map: how a player closes the box,
// and what the map shows as its arrow travels.
#include "GameSession.h"

#include "ArrowMessage.h"
#include "ContextMap.h"
#include "ResourceManager.h"
#include "Skin.h"

#include <gtest/gtest.h>

namespace {

using namespace testsupport;

TEST(GameDialog, PlayerClosesItWithTheButtonSpaceOrEscapeUnlessItHasNeither)
{
    GameHarness& game = GameHarness::get();
    GameSession session(game);
    Context* below = game.activeScreen();
    enum Way { BUTTON, SPACE, ESCAPE };
    const struct {
        Way way;
        bool closable;
    } rows[] = {{BUTTON, true}, {SPACE, true}, {ESCAPE, true}, {SPACE, false}, {ESCAPE, false}};
    for (const auto& row : rows) {
        ContextDialogQX* dialog = new ContextDialogQX();
        dialog->hasCloseButton = row.closable;
        dialog->bEscapeCloses = row.closable;
        dialog->build();
        game.stack()->pushContext(dialog);
        game.step();
        if (row.way == BUTTON)
            EXPECT_TRUE(session.closeDialog());
        else
            pressKey(row.way == SPACE ? KEY_SPACE : KEY_ESCAPE, row.way == SPACE ? ' ' : 0);
        game.step(2);
        EXPECT_EQ(game.activeScreen() == below, row.closable) << row.way << " closable " << row.closable;
        if (!row.closable) {
            dialog->bFinished = true;
            game.step();
        }
    }
}

TEST(JourneyMap, MarksTheNeighbourhoodsReachedGlidesTheArrowToTheCurrentOneAndNamesThem)
{
    GameHarness& game = GameHarness::get();
    Skin* marker = pKiv->pResourceManager->findAs<Skin>("intro1:11");
    const V3* spots = ContextMap::mapPositions;
    const V3 above(0.0f, 50.0f, 0.0f);
    const struct {
        int previous;
        int current;
        int markers;
    } rows[] = {{-1, 0, 0}, {2, 3, 3}, {6, 7, 7}};
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

        // "Leasurely Lane" and "Middle Road" lie 36 units apart: between
        // them the later one is named.
        const struct {
            V3 pointer;
            const char* name;
        } names[] = {{spots[5] + V3(31.0f, 0.0f, 0.0f), "Hard Way"},
                     {spots[5] + V3(0.0f, 33.0f, 0.0f), ""},
                     {(spots[1] + spots[3]) * 0.5f, "Middle Road"}};
        for (const auto& name : names) {
            moveMouseTo(name.pointer.x, name.pointer.y, map);
            game.step();
            EXPECT_EQ(map->nameLabel->text, name.name);
        }
        map->bFinished = true;
        game.step();
    }
}

}
