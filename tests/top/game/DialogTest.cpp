// The in-game message box and the journey map: how a text is laid out, how
// a player closes them, and what the map shows as its arrow travels.
#include "GameSession.h"

#include "ArrowMessage.h"
#include "CircleCloud.h"
#include "ContextMap.h"
#include "FontQuad.h"
#include "RenderableText.h"
#include "ResourceManager.h"
#include "Skin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace testsupport;

// A dialog built from the fields: its lines' and pictures' heights, top to
// bottom, and the scale of its cloud.
struct Layout {
    std::vector<float> heights;
    float cloudScale = 0.0f;
    float closeButtonY = 0.0f;

    Layout(const std::string& text, const std::string& title, Skin* picture, float boxScale)
    {
        ContextDialogQX dialog;
        dialog.text = text;
        dialog.title = title;
        dialog.separatorSkin = picture;
        dialog.boxScale = boxScale;
        dialog.build();
        for (BasicLink* link = dialog.pFirstChild; link; link = link->pNext) {
            const Renderable* child = static_cast<Renderable*>(static_cast<KivBase*>(link));
            const RenderableText* line = dynamic_cast<const RenderableText*>(child);
            if (const CircleCloud* cloud = dynamic_cast<const CircleCloud*>(child))
                cloudScale = cloud->cloudScale;
            else if (child != dialog.closeButton && (!line || line->pFont == pGlobal->pFontMedium))
                heights.push_back(child->position.y);
        }
        closeButtonY = dialog.closeButton->position.y;
    }
};

TEST(GameDialog, LinesStep25UnitsDownAPictureItsHeightAndTheBoxFitsThemUnderATitle)
{
    GameHarness::get();
    Skin* picture = pKiv->pResourceManager->findAs<Skin>("help:0");
    const float half = 0.5f * picture->height;
    const struct {
        const char* text;
        // Distance from each line (or picture) to the next.
        std::vector<float> gaps;
    } rows[] = {
        {"one line", {}},
        {"two words||apart", {25.0f, 25.0f}},
        {"ends with a bar|", {25.0f}},
        {"above|~|below", {25.0f + half + 12.0f, 25.0f + half - 12.0f}},
    };
    for (const auto& row : rows) {
        const Layout layout(row.text, "", picture, 0.0f);
        ASSERT_EQ(layout.heights.size(), row.gaps.size() + 1) << row.text;
        for (size_t i = 0; i < row.gaps.size(); ++i)
            EXPECT_FLOAT_EQ(layout.heights[i] - layout.heights[i + 1], row.gaps[i]) << row.text << " line " << i;
    }

    const float large = static_cast<float>(pGlobal->pFontLarge->lineHeight);
    const Layout plain("a|b", "", nullptr, 0.0f);
    const Layout titled("a|b", "a title", nullptr, 0.0f);
    EXPECT_FLOAT_EQ(titled.cloudScale - plain.cloudScale, 1.5f * large / 173.4f);
    EXPECT_FLOAT_EQ(plain.heights.front() - titled.heights.front(), 0.75f * large) << "half of the title's room above";
    EXPECT_FLOAT_EQ(plain.heights.back() - 25.0f - large, plain.closeButtonY);
    for (const float given : {-1.0f, 2.5f})
        EXPECT_FLOAT_EQ(Layout("a|b", "", nullptr, given).cloudScale, given > 0.0f ? given : plain.cloudScale);
}

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
        for (BasicLink* link = map->pFirstChild; link; link = link->pNext)
            markers += static_cast<Renderable*>(static_cast<KivBase*>(link))->pSkin == marker;
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
