#pragma once
// EndLevelStat: one line of the statistics page after a house: a label on
// the left and a number on the right that counts up from 0 to its value,
// both fading in, staying 6 seconds in all and fading out. The game
// controller appends one per line to its statistics layer, which ticks,
// draws and deletes it; the two texts are its children. Main thread only.
#include "KivBase.h"
#include "UString.h"

#include <cstdint>
#include <string>

class RenderableText;

class EndLevelStat : public KivBase {
public:
    // It waits, then counts its number up.
    enum StatState { STATE_WAITING, STATE_COUNTING };

    // row: 0 is the top line (y = 50, 25 units per row downwards); the
    // number counts to amount. Needs the loaded fonts.
    EndLevelStat(int row, const std::string& label, int amount);

    // The object-tree update, then the count (from 1 s to 1.5 s after
    // construction).
    void tick(double t, double dt) override;

    // printf-style format of the number; may be replaced right after
    // construction ("%d sec", "%d%%").
    UString format = "%d";
    // Children, owned through the object tree.
    RenderableText* valueText = nullptr;
    RenderableText* labelText = nullptr;
    int32_t value = 0;
};
