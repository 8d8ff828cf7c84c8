#pragma once
// TextureSkinFile: the skin file beside a texture image (the image's name with
// ".ini" appended) cuts the image into numbered skins: sections "Skin 0" to
// "Skin N-1" (N = the number of sections), each with "left", "top", "width",
// "height" in image pixels (rows from the top) and optional
// "origin_adjust_x" and "origin_adjust_y". Read only, never written back.
// A missing required key is fatal (the ini file reports it). Main thread only.
#include "Rect.h"
#include "V3.h"

#include <vector>

class MemoryIniFile;

class TextureSkinFile {
public:
    struct Entry {
        // Pixel rectangle in the image.
        Rect rect;
        // Anchor relative to the skin's centre, y upwards: half a pixel for
        // odd sizes, moved by the adjustments.
        V3 origin;
    };

    // The skins of the file, in index order.
    static std::vector<Entry> read(MemoryIniFile& ini);
};
