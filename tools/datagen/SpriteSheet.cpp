#include "SpriteSheet.h"

#include <algorithm>
#include <stdexcept>

SpriteSheet::SpriteSheet(int width, int gutterPixels) : sheetWidth(width), gutter(gutterPixels) {}

int SpriteSheet::addFrame(const Image& frame, int originAdjustX, int originAdjustY) {
    return addPending(frame, Border(), false, 0, 0, originAdjustX, originAdjustY);
}

int SpriteSheet::addFrameAt(const Image& frame, int x, int y, int originAdjustX, int originAdjustY) {
    return addPending(frame, Border(), true, x, y, originAdjustX, originAdjustY);
}

int SpriteSheet::addBorderedFrame(const Image& frame, const Border& border) {
    return addPending(frame, border, false, 0, 0, 0, 0);
}

int SpriteSheet::addBorderedFrameAt(const Image& frame, const Border& border, int x, int y) {
    return addPending(frame, border, true, x, y, 0, 0);
}

int SpriteSheet::addPending(const Image& frame, const Border& border, bool bFixed, int x, int y, int originAdjustX,
                            int originAdjustY) {
    Skin skin;
    skin.left = x + border.left;
    skin.top = y + border.top;
    skin.width = frame.getWidth() - border.left - border.right;
    skin.height = frame.getHeight() - border.top - border.bottom;
    if (skin.width <= 0 || skin.height <= 0)
        throw std::runtime_error("frame border leaves no skin");
    skin.originAdjustX = originAdjustX;
    skin.originAdjustY = originAdjustY;
    skins.push_back(skin);
    pending.push_back({frame, border, static_cast<int>(skins.size()) - 1, bFixed});
    return static_cast<int>(skins.size()) - 1;
}

void SpriteSheet::setExactSize(int width, int height) {
    exactWidth = width;
    exactHeight = height;
}

const Image& SpriteSheet::compose() {
    const int width = exactWidth ? exactWidth : sheetWidth;
    const int margin = gutter > 0 ? 1 : 0;
    int x = margin, y = margin, rowHeight = 0, usedHeight = 0;
    for (Pending& p : pending) {
        Skin& skin = skins[p.skinIndex];
        const int w = p.image.getWidth(), h = p.image.getHeight();
        if (!p.bFixed) {
            if (w + margin > width)
                throw std::runtime_error("frame wider than its sheet");
            if (x + w + margin > width) {
                x = margin;
                y += rowHeight + gutter;
                rowHeight = 0;
            }
            skin.left = x + p.border.left;
            skin.top = y + p.border.top;
            x += w + gutter;
            rowHeight = std::max(rowHeight, h);
        }
        usedHeight = std::max(usedHeight, skin.top - p.border.top + h + (p.bFixed ? 0 : margin));
    }
    int height = exactHeight;
    if (!height) {
        height = 1;
        while (height < usedHeight)
            height *= 2;
    }
    if (usedHeight > height)
        throw std::runtime_error("frames do not fit their sheet");
    image = Image(width, height);
    for (const Pending& p : pending)
        image.blit(p.image, skins[p.skinIndex].left - p.border.left, skins[p.skinIndex].top - p.border.top);
    // Bilinear filtering reads one texel past a frame's edge; a copy of the
    // edge there keeps tiles from showing seams.
    for (const Pending& p : pending) {
        const int w = p.image.getWidth(), h = p.image.getHeight();
        const int left = skins[p.skinIndex].left - p.border.left, top = skins[p.skinIndex].top - p.border.top;
        for (int yy = -1; yy <= h; ++yy)
            for (int xx = -1; xx <= w; ++xx) {
                if (xx >= 0 && xx < w && yy >= 0 && yy < h)
                    continue;
                const int dx = left + xx, dy = top + yy;
                if (dx < 0 || dy < 0 || dx >= width || dy >= height || image.alphaAt(dx, dy) != 0)
                    continue;
                const uint8_t* src = p.image.pixel(std::clamp(xx, 0, w - 1), std::clamp(yy, 0, h - 1));
                image.setPixel(dx, dy, src[0], src[1], src[2], src[3]);
            }
    }
    image.bleedEdges(2);
    // A bordered frame's border copies texels of its neighbour as they stand
    // in the neighbour's own image; bleeding here would part the two.
    for (const Pending& p : pending)
        restoreBordered(p);
    pending.clear();
    return image;
}

void SpriteSheet::restoreBordered(const Pending& p) {
    if (p.border.left || p.border.top || p.border.right || p.border.bottom)
        image.blit(p.image, skins[p.skinIndex].left - p.border.left, skins[p.skinIndex].top - p.border.top);
}

std::string SpriteSheet::skinFileText() const {
    std::string text;
    for (size_t i = 0; i < skins.size(); ++i) {
        const Skin& s = skins[i];
        text += "[Skin " + std::to_string(i) + "]\n";
        text += "left=" + std::to_string(s.left) + "\n";
        text += "top=" + std::to_string(s.top) + "\n";
        text += "width=" + std::to_string(s.width) + "\n";
        text += "height=" + std::to_string(s.height) + "\n";
        text += "origin_adjust_x=" + std::to_string(s.originAdjustX) + "\n";
        text += "origin_adjust_y=" + std::to_string(s.originAdjustY) + "\n";
    }
    return text;
}
