#pragma once
// SpriteSheet: frames (skins) gathered into one texture image, and the skin
// file that cuts them out again. Frames keep the order they were added in,
// which is their skin index. Frames are packed row by row with a gutter of
// transparent pixels, or placed at a fixed spot when the art needs it. A
// frame may bring a border of its own that the skin leaves out (see
// JoinedStrip).
#include "Image.h"

#include <string>
#include <vector>

class SpriteSheet {
public:
    struct Skin {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        int originAdjustX = 0;
        int originAdjustY = 0;
    };

    // Pixels of a frame's image on each side that lie outside its skin.
    struct Border {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
    };

    explicit SpriteSheet(int sheetWidth = 256, int gutter = 2);

    // Packed frame; returns its skin index.
    int addFrame(const Image& image, int originAdjustX = 0, int originAdjustY = 0);
    // Frame placed with its top-left corner at (x, y).
    int addFrameAt(const Image& image, int x, int y, int originAdjustX = 0, int originAdjustY = 0);
    // Frames whose image carries `border` around the skin, packed or with
    // the image's top-left corner at (x, y). Such an image is written as
    // given: the colour bleed over the sheet does not touch it.
    int addBorderedFrame(const Image& image, const Border& border);
    int addBorderedFrameAt(const Image& image, const Border& border, int x, int y);
    // Forces the image size instead of the packed power-of-two height.
    void setExactSize(int width, int height);

    // Packs the frames and returns the texture image; call once.
    const Image& compose();
    const std::vector<Skin>& getSkins() const { return skins; }
    // The skin file: "[Skin %d]" sections with left, top, width, height and
    // the origin adjustments, no spaces, no comments.
    std::string skinFileText() const;

private:
    struct Pending {
        Image image;
        Border border;
        int skinIndex;
        bool bFixed;
    };

    int addPending(const Image& image, const Border& border, bool bFixed, int x, int y, int originAdjustX,
                   int originAdjustY);
    void restoreBordered(const Pending& p);

    int sheetWidth;
    int gutter;
    int exactWidth = 0;
    int exactHeight = 0;
    std::vector<Pending> pending;
    std::vector<Skin> skins;
    Image image;
};
