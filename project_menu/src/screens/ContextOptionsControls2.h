#pragma once
// ContextOptionsControls2: the second player's controls: one key field for
// each game action, editing the second key of each binding. Pushed by the
// options screen. Main thread only.
#include "ContextOptionsPage.h"

class ContextOptionsControls2 : public ContextOptionsPage {
public:
    ContextOptionsControls2();
};
