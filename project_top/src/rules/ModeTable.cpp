#include "rules/ModeTable.h"

namespace {

const ModeTable::Row ROWS[GAME_MODE_COUNT] = {
    {"action mode",
     {VITAMIN_HINT, VITAMIN_MORE_TIME, VITAMIN_DOUBLE_SCORE, VITAMIN_TIME_BOOST, VITAMIN_EXTRA_LIFE, VITAMIN_CASH_OUT},
     6,
     3,
     {"musicGame3", "musicGame1", "musicGame2"},
     "help3:1",
     0.1f,
     0.15f,
     0.1f,
     "level clear!"},
    {"quest mode",
     {VITAMIN_HINT, VITAMIN_MULTIMATCH, VITAMIN_EMPTY_SLOT, VITAMIN_DOUBLE_SCORE, VITAMIN_CASH_OUT},
     5,
     0,
     {"musicGame2", "musicGame3", "musicGame1"},
     "help3:2",
     0.05f,
     0.15f,
     0.05f,
     "house clear!"},
    {"puzzle mode",
     {VITAMIN_NEXT_STEP, VITAMIN_DOUBLE_SCORE, VITAMIN_TRY_AGAIN, VITAMIN_SHOW_PATH, VITAMIN_EXTRA_LIFE,
      VITAMIN_CASH_OUT},
     6,
     5,
     {"musicGame1", "musicGame2", "musicGame3"},
     "help3:0",
     0.0f,
     0.1f,
     0.0f,
     "puzzle complete!"},
};

}

const ModeTable::Row& ModeTable::of(GameMode mode)
{
    return ROWS[mode];
}

int ModeTable::thermometerSlots(GameMode mode, int difficulty)
{
    return mode == MODE_QUEST ? 10 - 2 * difficulty : 0;
}
