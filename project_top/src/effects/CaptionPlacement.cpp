#include "effects/CaptionPlacement.h"

#include "effects/ViewFit.h"

namespace {

// Boxes a hair apart after a move still count as clear: the moves are sums
// of floats.
constexpr float SLACK = 0.01f;
// A caption keeps this far from what it keeps clear of, so that neither
// reads as part of the other.
constexpr float CLEARANCE = 4.0f;

}

V3 CaptionPlacement::shiftClear(const ViewBox& caption, const ViewBox& view, const std::vector<ViewBox>& keepOutBoxes)
{
    std::vector<ViewBox> keepOut;
    for (const ViewBox& box : keepOutBoxes)
        keepOut.push_back(box.grownBy(CLEARANCE));
    // The shortest move stops with the caption against an edge of the view
    // or of a keep-out box on each axis where it moves, so only those moves
    // need trying.
    std::vector<float> movesX{0.0f, view.left - caption.left, view.right - caption.right};
    std::vector<float> movesY{0.0f, view.bottom - caption.bottom, view.top - caption.top};
    for (const ViewBox& box : keepOut) {
        movesX.insert(movesX.end(), {box.left - caption.right, box.right - caption.left});
        movesY.insert(movesY.end(), {box.bottom - caption.top, box.top - caption.bottom});
    }
    bool bFound = false;
    V3 best;
    float bestLength = 0.0f;
    for (const float dx : movesX)
        for (const float dy : movesY) {
            const float length = dx * dx + dy * dy;
            if (bFound && length >= bestLength)
                continue;
            const ViewBox moved = caption.movedBy(dx, dy);
            if (!moved.insideOf(view, SLACK))
                continue;
            bool bClear = true;
            for (const ViewBox& box : keepOut)
                bClear = bClear && !moved.meets(box, SLACK);
            if (bClear) {
                bFound = true;
                best = V3(dx, dy, 0.0f);
                bestLength = length;
            }
        }
    if (bFound)
        return best;
    return ViewFit::shiftInside(caption, view);
}
