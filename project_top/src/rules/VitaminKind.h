#pragma once
// VitaminKind: the power-ups a player buys with coins, by the number that
// each mode's vitamin column and the controllers' useVitamin use. Kind 1 is
// retired: it only keeps the numbers of the others.
enum VitaminKind {
    VITAMIN_HINT = 0,
    VITAMIN_RETIRED = 1,
    VITAMIN_MULTIMATCH = 2,
    VITAMIN_DOUBLE_SCORE = 3,
    VITAMIN_UNLOCK_DOOR = 4,
    VITAMIN_NEXT_STEP = 5,
    VITAMIN_SHOW_PATH = 6,
    VITAMIN_TRY_AGAIN = 7,
    VITAMIN_MORE_TIME = 8,
    VITAMIN_TIME_BOOST = 9,
    VITAMIN_INSTANT_WIN = 10,
    VITAMIN_CASH_OUT = 11,
    VITAMIN_EMPTY_SLOT = 12,
    VITAMIN_EXTRA_LIFE = 13,
    VITAMIN_KIND_COUNT = 14,
};
