#include "game/SavedGameBook.h"

#include "ContextManager.h"
#include "Global.h"
#include "MenuButtonQuit.h"
#include "RenderableText.h"
#include "SavedGame.h"
#include "board/PlayerData.h"
#include "game/ContextDialogQX.h"
#include "game/GameController.h"
#include "game/MenuButtonLoadGame.h"
#include "rules/SavedProgress.h"

SavedGameBook::SavedGameBook(GameController& owner) : game(owner)
{
}

SavedGame& SavedGameBook::record() const
{
    ProfileManager& roster = pGlobal->profileManager;
    return roster.profiles[roster.current].savedGames[game.modeIndex];
}

void SavedGameBook::offerOrClear()
{
    const SavedGame& saved = record();
    if (saved.housesPlayed <= 0)
        return;
    const SavedProgress progress{saved.housesPlayed, saved.neighbourhood, saved.houseIndex, saved.score,
                                 saved.coins,        saved.lives,         saved.usedSlots};
    if (progress.canContinue(game.savedGameSlots))
        showPrompt(saved);
    else
        clear();
}

void SavedGameBook::showPrompt(const SavedGame& saved)
{
    ContextDialogQX* prompt = new ContextDialogQX();
    prompt->bEscapeCloses = false;
    prompt->hasCloseButton = false;
    prompt->title = "saved game";
    prompt->text = formatString(
        "Your last Glimmerdale|visit has been saved.|Do you want to continue|your journey at house %d-%d?||",
        saved.neighbourhood + 1, saved.houseIndex + 1);
    prompt->build();
    MenuButtonLoadGame* resume = new MenuButtonLoadGame(0.0f, -60.0f, 0.0f, "continue", "Continue your last game");
    resume->game = &game;
    resume->useCloudSkin();
    resume->setWidth(160);
    prompt->addChildLast(resume);
    MenuButtonQuit* restart =
        new MenuButtonQuit(0.0f, -115.0f, 0.0f, "start over", "Start from the beginning (your progress will be lost)");
    restart->useCloudSkin();
    restart->setWidth(160);
    prompt->addChildLast(restart);
    pGlobal->pContextManager->pushContext(prompt);
}

void SavedGameBook::load()
{
    const SavedGame& saved = record();
    game.housesPlayed = saved.housesPlayed;
    game.neighbourhood = saved.neighbourhood;
    game.houseIndex = saved.houseIndex;
    PlayerData* player = game.playerData;
    player->score = saved.score;
    player->coins = saved.coins;
    player->lives = saved.lives;
    player->usedSlots = saved.usedSlots;

    RenderableText* caption =
        new RenderableText(0.0f, -220.0f, 0.0f, "Game loaded!", pGlobal->pFontSmall, UColor(255, 255, 255, 255));
    caption->lifetime = 3.0;
    caption->fadeIn = 0.25;
    caption->fadeOut = 0.25;
    caption->bShadow = false;
    game.bonusLayer->addChildLast(caption);
}

void SavedGameBook::save()
{
    SavedGame& saved = record();
    saved.housesPlayed = game.housesPlayed;
    saved.neighbourhood = game.neighbourhood;
    saved.houseIndex = game.houseIndex;
    const PlayerData* player = game.playerData;
    saved.score = player->score;
    saved.coins = player->coins;
    saved.lives = player->lives;
    saved.usedSlots = player->usedSlots;
}

void SavedGameBook::clear()
{
    ProfileManager& roster = pGlobal->profileManager;
    roster.profiles[roster.current].clearSavedGame(game.modeIndex);
}

void SavedGameBook::enterHighScore()
{
    ProfileManager& roster = pGlobal->profileManager;
    roster.lastHighScorePosition = pGlobal->hst.insertHighScore(
        game.modeIndex, roster.getName(roster.current), game.playerData->score, game.housesPlayed, game.difficulty, true);
}
