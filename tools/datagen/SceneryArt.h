#pragma once
// SceneryArt: the outdoor scenery (sky, hills, grass and ground strips that
// tile without end, trees, the wooden poles, the ladybug, the chamomile and
// the butterfly).
#include "DataWriter.h"

class SceneryArt {
public:
    void generate(DataWriter& out) const;
};
