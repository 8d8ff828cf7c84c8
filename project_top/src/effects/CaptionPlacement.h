#pragma once
// CaptionPlacement: where a caption goes when the place it was given would
// be cut off by the view's edge or covered by something drawn over it (a
// panel of the game, its own arrow). It moves the caption by as little as
// it must: the shortest move that brings the caption's box wholly inside
// the view and a few view units clear of every keep-out box; when no move
// does both, the caption is only brought inside the view, since a caption
// cut off misinforms worse than one partly covered. No state.
#include "effects/ViewBox.h"

#include <vector>

class CaptionPlacement {
public:
    CaptionPlacement() = delete;

    // The move (x, y; z is 0) in view units for a caption whose ink covers
    // caption, within view, clear of keepOut; all boxes in view units.
    static V3 shiftClear(const ViewBox& caption, const ViewBox& view, const std::vector<ViewBox>& keepOut);
};
