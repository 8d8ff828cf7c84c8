#pragma once
// SolutionPath: the line drawn over a puzzle house as the player matches
// along the chain: one SolutionPathSegment child per correct step, in order,
// all in one colour. The puzzle mode owns it in its scene, which ticks and
// draws it. Main thread only.
#include "KivBase.h"
#include "UColor.h"

class BoardHost;
class Smiley;

class SolutionPath : public KivBase {
public:
    // Empty, white, in game's scene (game outlives the path).
    explicit SolutionPath(BoardHost& game);

    // Appends a segment from 40 units above from to 40 units above to, with
    // their apartments' grid move, in the path's colour. Both smileys must
    // have an apartment.
    void addSegment(Smiley* from, Smiley* to);
    // Recolours every live segment and every later one.
    void setColour(UColor c);

    UColor colour = UColor(255, 255, 255, 255);
    BoardHost& host;
};
