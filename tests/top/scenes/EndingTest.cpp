// The ending scene shown over the main menu with no game running, stepped
// with a fixed dt: nothing happens for 7 s, then the menu music starts once
// and fireworks and hopping smileys come and go without piling up; Escape or
// OK closes it, with its background.
#include "SceneTestSupport.h"

#include "ContextEnding.h"
#include "Firework.h"
#include "MenuButtonQuit.h"

namespace scenetest {
namespace {

// Shows the ending; the act closes it, with its background, at once.
void closeWith(GameHarness& game, ContextEnding* ending, const std::function<void()>& act)
{
    const Reference shown(ending);
    const Reference background(ending->pBackgroundContext);
    act();
    game.step(2);
    EXPECT_EQ(shown.get(), nullptr);
    EXPECT_EQ(background.get(), nullptr);
    EXPECT_TRUE(atMainMenu(game));
}

// One smiley every 0.25 to 2 s, each gone 8 s at most after it starts; one
// firework every 0.1 to 1 s, each burnt out in little more than 1 s.
TEST(Ending, ThePartyStartsAtSevenSecondsOnceAndStaysBoundedForAMinuteAndEscapeOrOkCloses)
{
    GameHarness& game = gameAtMenu();
    ASSERT_EQ(game.currentGame(), nullptr);
    pKiv->pAudio->setMusic(pKiv->pResourceManager->findAs<SoundStream>("musicGame1"));
    ContextEnding* ending = show(game, new ContextEnding());
    std::string music = "musicGame1";
    int bangs = 0, switches = 0, mostSmileys = 0, mostFireworks = 0;
    game.recorder.bRecording = true;
    game.recorder.observer = [&](const FrameRecord& record) {
        const int fireworks = static_cast<int>(childrenOf<Firework>(ending).size());
        const int smileys = ending->smileyLayer->getChildCount();
        const bool bang = std::find(record.sounds.begin(), record.sounds.end(), "firework") != record.sounds.end();
        if (ending->t < ContextEnding::PARTY_START) {
            EXPECT_EQ(smileys + fireworks + bang, 0) << "at " << ending->t;
        }
        if (record.music != music) {
            ++switches;
            EXPECT_EQ(record.music, "musicMenu");
            EXPECT_LT(ending->t - ending->dt, ContextEnding::PARTY_START);
            music = record.music;
        }
        bangs += bang;
        mostSmileys = std::max(mostSmileys, smileys);
        mostFireworks = std::max(mostFireworks, fireworks);
    };
    game.stepSeconds(60.0);
    game.recorder = FrameRecorder();
    EXPECT_EQ(switches, 1);
    EXPECT_GE(mostSmileys, 4);
    EXPECT_LE(mostSmileys, 33);
    EXPECT_GE(bangs, 40);
    EXPECT_LE(mostFireworks, 13);
    closeWith(game, ending, [] { pressKey(KEY_ESCAPE); });
    closeWith(game, show(game, new ContextEnding()), [&game] { clickOn(game.active<ContextEnding>()->okButton); });
}

} // namespace
} // namespace scenetest
