#include "board/SolutionPath.h"

#include "BasicLinkIterator.h"
#include "ErrorManager.h"
#include "board/Apartment.h"
#include "board/Smiley.h"
#include "board/SolutionPathSegment.h"

namespace {

// The path runs this far above the smileys' feet.
constexpr float PATH_HEIGHT = 40.0f;

}

SolutionPath::SolutionPath(BoardHost& game) : host(game)
{
}

void SolutionPath::addSegment(Smiley* from, Smiley* to)
{
    KIV_ASSERT(from->apartment != nullptr && to->apartment != nullptr);
    const V3& a = from->position;
    const V3& b = to->position;
    SolutionPathSegment* segment =
        new SolutionPathSegment(host, a.x, a.y + PATH_HEIGHT, a.z, b.x, b.y + PATH_HEIGHT, b.z);
    segment->moveX = to->apartment->gridX - from->apartment->gridX;
    segment->moveY = to->apartment->gridY - from->apartment->gridY;
    segment->color = colour;
    addChildLast(segment);
}

void SolutionPath::setColour(UColor c)
{
    colour = c;
    BasicLinkIterator it(this);
    while (KivBase* segment = it.next())
        static_cast<SolutionPathSegment*>(segment)->color = c;
}
