#pragma once
// MemoryImageFile: an RGBA image in memory, 4 bytes per pixel (R, G, B, A),
// rows from the image's top row down with no padding. Textures load their
// pixels through it, the font cache composes glyphs in one and screenshots
// are saved from one. It is the only user of libjpeg. Decoding checks every
// size against the bytes it was given: damaged game data is a fatal report
// naming the file, never an out-of-bounds read. Main thread only.
#include "UString.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct Point;
struct Rect;

class MemoryImageFile {
public:
    // Largest image accepted from a file: bounds the allocation a damaged
    // header could ask for.
    static constexpr int MAX_DIMENSION = 8192;
    static constexpr int64_t MAX_PIXELS = 4096 * 4096;

    // Loads through the file manager and decodes by extension: ".tga"
    // (uncompressed 32-bit) or ".jpg"/".jpeg". With sizeOnly only width,
    // height and hasAlpha are set and pImageData stays null. A missing,
    // unsupported or damaged file is fatal.
    MemoryImageFile(const UString& fileName, bool sizeOnly);
    // A blank image: pixels allocated, not cleared, hasAlpha true.
    MemoryImageFile(int imageWidth, int imageHeight);
    ~MemoryImageFile();
    MemoryImageFile(const MemoryImageFile&) = delete;
    MemoryImageFile& operator=(const MemoryImageFile&) = delete;

    // Replace this image with one decoded from bytes; false, with the reason
    // in error and this image unchanged, when the bytes are not a valid image.
    bool decodeTGA(const unsigned char* bytes, size_t size, bool sizeOnly, UString& error);
    bool decodeJPG(const unsigned char* bytes, size_t size, bool sizeOnly, UString& error);

    // Floyd-Steinberg error diffusion of red, green and blue to their top 5
    // (or 4) bits, for displays of 16 bits or less. Alpha is untouched.
    void ditherTo15Bit();
    void ditherTo12Bit();
    // Box-filters the image to half its size (rounded down), logging the old
    // size.
    void halveSize();
    // Fills rect (null: the whole image) with transparent black, or with
    // white of alpha 0 when white is set. The rectangle must lie inside.
    void clear(const Rect* rect, bool white);
    // Copies sourceRect of source (null: all of it) to destPoint (null: 0,0),
    // no clipping, no blending. Both rectangles must lie inside their images.
    void blit(const MemoryImageFile* source, const Rect* sourceRect, const Point* destPoint);

    // A baseline JPEG (RGB, alpha dropped, top row first), quality 0 to 100,
    // as bytes. False, with the reason in words in error, when the encoder
    // fails (an image of no pixels, memory running out).
    bool encodeJPG(int quality, std::vector<unsigned char>& bytes, UString& error) const;
    // The same JPEG written over whatever is at the name as the player's
    // files are (replaceFile, ReplaceFile.h): whole and on disk before it
    // takes the name, never through a link there. A save in play for the
    // program's end (ProgramEnd::SaveInProgress) from the encoding on.
    // False, with the reason in words in error, when it cannot be encoded,
    // written whole or named: whatever was at the name is then left as it
    // was and no temporary file is left behind. A std::bad_alloc (memory
    // running out while a fatal error is reported) goes on to the caller.
    bool saveJPG(const UString& fileName, int quality, UString& error) const;
    // Not supported: fatal "Unimplemented" (BMP: "Unimplemented.").
    [[noreturn]] void saveTGA(const UString& fileName) const;
    [[noreturn]] void saveBMP(const UString& fileName) const;

    int width = 0;
    int height = 0;
    bool hasAlpha = true;
    // Owned, width * height * 4 bytes; null after a size-only load.
    unsigned char* pImageData = nullptr;

private:
    void ditherTo(unsigned char keepMask);
    void replacePixels(int newWidth, int newHeight, bool newHasAlpha, unsigned char* newData);
};
