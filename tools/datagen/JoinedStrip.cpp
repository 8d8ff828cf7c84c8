#include "JoinedStrip.h"

#include <stdexcept>

namespace {

// Copies row or column `index` of src (an edge line) into line `target` of dst.
void copyLine(const Image& src, int index, Image& dst, int target, bool bColumn, int offset, bool bClear) {
    const int length = bColumn ? src.getHeight() : src.getWidth();
    for (int i = 0; i < length; ++i) {
        const uint8_t* p = bColumn ? src.pixel(index, i) : src.pixel(i, index);
        const int x = bColumn ? target : offset + i, y = bColumn ? offset + i : target;
        dst.setPixel(x, y, p[0], p[1], p[2], bClear ? 0 : p[3]);
    }
}

}  // namespace

JoinedStrip::JoinedStrip(Direction joinDirection, bool bRepeatsEndlessly)
    : direction(joinDirection), bRepeats(bRepeatsEndlessly) {
    if (direction == ACROSS)
        frameBorder.left = frameBorder.right = 1;
    else
        frameBorder.top = frameBorder.bottom = 1;
}

void JoinedStrip::add(const Image& frame) {
    if (!frames.empty()) {
        const bool bMismatch = direction == ACROSS ? frame.getHeight() != frames.front().getHeight()
                                                   : frame.getWidth() != frames.front().getWidth();
        if (bMismatch)
            throw std::runtime_error("joined frames differ across the join");
    }
    frames.push_back(frame);
    // Bled once here, so that a border and the neighbour edge it copies
    // carry the same colour under transparent texels.
    frames.back().bleedEdges(2);
}

Image JoinedStrip::bordered(int position) const {
    const int count = static_cast<int>(frames.size());
    if (position < 0 || position >= count)
        throw std::runtime_error("no joined frame at that position");
    const Image& frame = frames[position];
    const bool bColumn = direction == ACROSS;
    const int w = frame.getWidth(), h = frame.getHeight();
    Image out(w + frameBorder.left + frameBorder.right, h + frameBorder.top + frameBorder.bottom);
    out.blit(frame, frameBorder.left, frameBorder.top);
    const int length = bColumn ? w : h;
    const int before = position - 1, after = position + 1;
    const bool bOuterBefore = before < 0 && !bRepeats, bOuterAfter = after >= count && !bRepeats;
    // The neighbour's far edge, or the frame's own edge made transparent.
    const Image& previous = bOuterBefore ? frame : frames[(before + count) % count];
    const Image& next = bOuterAfter ? frame : frames[after % count];
    const int previousEdge = bOuterBefore ? 0 : (bColumn ? previous.getWidth() : previous.getHeight()) - 1;
    const int nextEdge = bOuterAfter ? length - 1 : 0;
    const int offset = bColumn ? frameBorder.top : frameBorder.left;
    copyLine(previous, previousEdge, out, 0, bColumn, offset, bOuterBefore);
    copyLine(next, nextEdge, out, length + 1, bColumn, offset, bOuterAfter);
    return out;
}

int JoinedStrip::pack(SpriteSheet& sheet, int position) const {
    return sheet.addBorderedFrame(bordered(position), frameBorder);
}

int JoinedStrip::placeAt(SpriteSheet& sheet, int position, int x, int y) const {
    return sheet.addBorderedFrameAt(bordered(position), frameBorder, x, y);
}
