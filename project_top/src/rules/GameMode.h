#pragma once
// GameMode: the three ways to play, by the index that the roster's saved
// games and the high-score tables use. The player sees them as "action
// mode" (GameControllerTimeTrial), "quest mode" (GameControllerAdventure) and
// "puzzle mode" (GameControllerPuzzle).
enum GameMode {
    MODE_ACTION = 0,
    MODE_QUEST = 1,
    MODE_PUZZLE = 2,
    GAME_MODE_COUNT = 3,
};
