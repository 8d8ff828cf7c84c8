#include "SpriteSheet.h"

#include <algorithm>
#include <stdexcept>

SpriteSheet::SpriteSheet(int width, int gutterPixels) : sheetWidth(width), gutter(gutterPixels) {}

int SpriteSheet::addFrame(const Image& frame, int originAdjustX, int originAdjustY) {
    Skin skin;
    skin.width = frame.getWidth();
    skin.height = frame.getHeight();
    skin.originAdjustX = originAdjustX;
    skin.originAdjustY = originAdjustY;
    skins.push_back(skin);
    pending.push_back({frame, static_cast<int>(skins.size()) - 1, false});
    return static_cast<int>(skins.size()) - 1;
}

int SpriteSheet::addFrameAt(const Image& frame, int x, int y, int originAdjustX, int originAdjustY) {
    Skin skin;
    skin.left = x;
    skin.top = y;
    skin.width = frame.getWidth();
    skin.height = frame.getHeight();
    skin.originAdjustX = originAdjustX;
    skin.originAdjustY = originAdjustY;
    skins.push_back(skin);
    pending.push_back({frame, static_cast<int>(skins.size()) - 1, true});
    return static_cast<int>(skins.size()) - 1;
}

int SpriteSheet::addSkin(const Skin& skin) {
    skins.push_back(skin);
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
        if (!p.bFixed) {
            if (skin.width + margin > width)
                throw std::runtime_error("frame wider than its sheet");
            if (x + skin.width + margin > width) {
                x = margin;
                y += rowHeight + gutter;
                rowHeight = 0;
            }
            skin.left = x;
            skin.top = y;
            x += skin.width + gutter;
            rowHeight = std::max(rowHeight, skin.height);
        }
        usedHeight = std::max(usedHeight, skin.top + skin.height + (p.bFixed ? 0 : margin));
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
        image.blit(p.image, skins[p.skinIndex].left, skins[p.skinIndex].top);
    // Bilinear filtering reads one texel past a skin's edge; a copy of the
    // edge there keeps tiles and mosaic halves from showing seams.
    for (const Pending& p : pending) {
        const Skin& s = skins[p.skinIndex];
        for (int yy = -1; yy <= s.height; ++yy)
            for (int xx = -1; xx <= s.width; ++xx) {
                if (xx >= 0 && xx < s.width && yy >= 0 && yy < s.height)
                    continue;
                const int dx = s.left + xx, dy = s.top + yy;
                if (dx < 0 || dy < 0 || dx >= width || dy >= height || image.alphaAt(dx, dy) != 0)
                    continue;
                const int sx = std::clamp(xx, 0, s.width - 1), sy = std::clamp(yy, 0, s.height - 1);
                const uint8_t* src = p.image.pixel(sx, sy);
                image.setPixel(dx, dy, src[0], src[1], src[2], src[3]);
            }
    }
    image.bleedEdges(2);
    pending.clear();
    return image;
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
