// The in-game message box and the journey map: how a text is laid out, how
// a player closes them, and what the map shows as its arrow travels.
#include "GameSession.h"

#include "ArrowMessage.h"
#include "CircleCloud.h"
#include "ContextMap.h"
#include "FontQuad.h"
#include "Global.h"
#include "RenderableText.h"
#include "ResourceManager.h"
#include "Skin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace testsupport;

// Heights (y) of the dialog's lines of text and pictures, top to bottom.
struct Layout {
    std::vector<float> texts;
    std::vector<float> pictures;
    float cloudScale = 0.0f;
};

Layout layoutOf(ContextDialogQX* dialog)
{
    Layout layout;
    for (BasicLink* link = dialog->pFirstChild; link; link = link->pNext) {
        KivBase* child = static_cast<KivBase*>(link);
        if (const RenderableText* text = dynamic_cast<RenderableText*>(child)) {
            if (text->pFont == pGlobal->pFontMedium)
                layout.texts.push_back(text->position.y);
        } else if (const CircleCloud* cloud = dynamic_cast<CircleCloud*>(child)) {
            layout.cloudScale = cloud->cloudScale;
        } else if (const Renderable* picture = dynamic_cast<Renderable*>(child);
                   picture && picture->pSkin == dialog->separatorSkin && !dynamic_cast<MenuItem*>(child)) {
            layout.pictures.push_back(picture->position.y);
        }
    }
    return layout;
}

ContextDialogQX* built(const std::string& text, const std::string& title, Skin* picture)
{
    ContextDialogQX* dialog = new ContextDialogQX();
    dialog->text = text;
    dialog->title = title;
    dialog->separatorSkin = picture;
    dialog->build();
    return dialog;
}

TEST(GameDialog, LinesFollowEachOtherAndThePictureTakesItsHeight)
{
    GameHarness::get();
    Skin* picture = pKiv->pResourceManager->findAs<Skin>("help:0");
    const float pictureHeight = picture->height;
    const struct {
        const char* text;
        size_t lines;
        // Distance from each line (text or picture) to the next.
        std::vector<float> gaps;
    } rows[] = {
        {"one line", 1, {}},
        {"two words||apart", 3, {25.0f, 25.0f}},
        {"ends with a bar|", 2, {25.0f}},
        {"above|~|below", 2, {25.0f + 0.5f * pictureHeight + 12.0f, 25.0f + 0.5f * pictureHeight - 12.0f}},
    };
    for (const auto& row : rows) {
        ContextDialogQX* dialog = built(row.text, "", picture);
        EXPECT_TRUE(dialog->text.empty()) << row.text;
        const Layout layout = layoutOf(dialog);
        ASSERT_EQ(layout.texts.size(), row.lines) << row.text;
        std::vector<float> heights = layout.texts;
        if (!layout.pictures.empty())
            heights.insert(heights.begin() + 1, layout.pictures.front());
        for (size_t i = 0; i < row.gaps.size(); ++i)
            EXPECT_FLOAT_EQ(heights[i] - heights[i + 1], row.gaps[i]) << row.text << " line " << i;
        delete dialog;
    }
}

TEST(GameDialog, TitleTopsTheBoxThatFitsTheTextUnlessItsScaleIsGiven)
{
    GameHarness::get();
    const float large = static_cast<float>(pGlobal->pFontLarge->lineHeight);
    ContextDialogQX* plain = built("a|b", "", nullptr);
    ContextDialogQX* titled = built("a|b", "a title", nullptr);
    const Layout without = layoutOf(plain);
    const Layout with = layoutOf(titled);
    EXPECT_FLOAT_EQ(with.cloudScale - without.cloudScale, 1.5f * large / 173.4f);
    EXPECT_FLOAT_EQ(without.texts.front() - with.texts.front(), 0.75f * large)
        << "the box grows by 1.5 lines of the title's font, half of it above";
    EXPECT_FLOAT_EQ(without.texts.back() - 25.0f - large, plain->closeButton->position.y);
    EXPECT_EQ(plain->closeButton->hotKey, ' ');
    delete plain;
    delete titled;

    for (const float given : {-1.0f, 0.0f, 2.5f}) {
        ContextDialogQX* dialog = new ContextDialogQX();
        dialog->text = "a|b";
        dialog->boxScale = given;
        dialog->build();
        EXPECT_FLOAT_EQ(layoutOf(dialog).cloudScale, given > 0.0f ? given : without.cloudScale) << given;
        delete dialog;
    }
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
        dialog->text = "a question";
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

TEST(JourneyMap, MarksTheNeighbourhoodsReachedAndGlidesTheArrowToTheCurrentOne)
{
    GameHarness& game = GameHarness::get();
    Skin* marker = pKiv->pResourceManager->findAs<Skin>("intro1:11");
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
        const V3 from = ContextMap::mapPositions[std::max(row.previous, 0)] + V3(0.0f, 50.0f, 0.0f);
        const V3 to = ContextMap::mapPositions[row.current] + V3(0.0f, 50.0f, 0.0f);
        game.stepUntil([&] { return map->t >= 0.9; });
        EXPECT_EQ(map->arrow->position, from) << row.current;
        EXPECT_EQ(map->arrow->caption, "");
        game.stepUntil([&] { return map->t >= 4.0; });
        EXPECT_EQ(map->arrow->position, to) << row.current;
        EXPECT_EQ(map->arrow->caption, "you are here!");
        game.step(50);
        EXPECT_EQ(map->arrow->position, to) << "it stays";
        EXPECT_EQ(game.recorder.timesStarted("jingle01"), 1) << row.current;

        map->bFinished = true;
        game.step();
    }
}

TEST(JourneyMap, NamesTheNeighbourhoodUnderThePointerTheLaterOneWhenTwoAreNear)
{
    GameHarness& game = GameHarness::get();
    ContextMap* map = new ContextMap(7, 7);
    game.stack()->pushContext(map);
    const V3* spots = ContextMap::mapPositions;
    // "Middle Road" and "Leasurely Lane" lie 37 units apart; "Cozy Alley"
    // and "Middle Road" 56: a point between two names the later one in
    // reach.
    const struct {
        V3 pointer;
        const char* name;
    } rows[] = {
        {spots[4], "Tricky Terrace"},           {spots[5] + V3(31.0f, 0.0f, 0.0f), "Hard Way"},
        {spots[5] + V3(0.0f, 33.0f, 0.0f), ""}, {(spots[1] + spots[3]) * 0.5f, "Middle Road"},
        {V3(200.0f, 200.0f, 0.0f), ""},
    };
    for (const auto& row : rows) {
        moveMouseTo(row.pointer.x, row.pointer.y, map);
        game.step();
        EXPECT_EQ(map->nameLabel->text, row.name) << row.name;
    }
    map->bFinished = true;
    game.step();
}

}
