#pragma once
// ViewFit: how far something drawn on a screen must move to be seen whole:
// a text cut off by the view's edge misinforms, so captions and popups that
// would cross an edge are moved in by as much as they cross it. No state;
// any thread.
#include "V3.h"
#include "effects/ViewBox.h"

class ViewFit {
public:
    ViewFit() = delete;

    // The shift (z 0) that brings box inside view, both in the same units:
    // zero when it lies inside; a box larger than the view keeps its left or
    // bottom edge in it.
    static V3 shiftInside(const ViewBox& box, const ViewBox& view);
};
