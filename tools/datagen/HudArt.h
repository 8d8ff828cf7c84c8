#pragma once
// HudArt: the heads-up display (score panel, coin and life icons, vitamin
// row, vitamin ball and its highlight) and the thermometer gauge with its
// stretchable wooden frame and tinted column.
#include "DataWriter.h"

class HudArt {
public:
    void generate(DataWriter& out) const;
};
