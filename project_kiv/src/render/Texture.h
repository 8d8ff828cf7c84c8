#pragma once
// Texture: an image file (32-bit TGA or JPEG) turned into an OpenGL texture
// and a list of skins, its frames in order. It hides the display's limits from
// the rest of the program: a display of 16 bits or less (the image is
// dithered), a maximum texture size (the image is halved until it fits, or
// cut into a mosaic of sub-textures overlapping by one texel) and the loss of
// the OpenGL context (the texture is re-created and reloaded the first time it
// is bound afterwards). It is the only class that creates, fills and deletes
// OpenGL textures. It owns its skins, its saved source image, its OpenGL
// texture and, through the object tree, its sub-textures. Main thread only,
// with the OpenGL context current.
#include "KivBase.h"
#include "Rect.h"
#include "UString.h"
#include "UVRect.h"

#include <vector>

class MemoryImageFile;
class Skin;
struct Point;

class Texture : public KivBase {
    KIV_DECLARE_CLASS()
public:
    enum Flags {
        TEXTURE_FORCE_ALPHA = 1,
        TEXTURE_SHRINK_TO_FIT = 2,
        TEXTURE_ALLOW_512 = 4,
        TEXTURE_KEEP_SOURCE = 8,
        TEXTURE_NO_DITHER = 16,
    };

    // Loads the image through the file manager and builds the texture and
    // its skins (from the skin file beside it). Bad files are fatal.
    Texture(const UString& fileName, int textureFlags);
    // An empty, unnamed texture with one skin of the requested size; its
    // texels are undefined until written.
    Texture(int textureWidth, int textureHeight, int textureFlags);
    // An unnamed texture holding the whole image (which stays the caller's).
    explicit Texture(MemoryImageFile* image);
    // Textures are made from files or sizes only: fatal.
    Texture();
    ~Texture() override;
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    // Allocates the OpenGL texture; the allocation is 256 x 256 (or 512 per
    // side with TEXTURE_ALLOW_512) while the display simulates such hardware,
    // else the next power of two within the driver's maximum.
    void createEmptyTexture(int textureWidth, int textureHeight, int textureFlags);
    // Uploads sourceRect of the image (null: all of it) to destPoint (null:
    // 0,0).
    void copyImageData(MemoryImageFile* sourceData, const Rect* sourceRect, const Point* destPoint);
    // Fills skins from the skin file, or with one whole-image skin without one.
    void loadSkins(const UString& iniName);
    // Clears the saved source image (TEXTURE_KEEP_SOURCE); with a null rect
    // the whole image is then uploaded, else the caller uploads what it needs.
    void clear(const Rect* rect, bool white);
    // Makes this the current texture, re-creating it first when the display
    // lost it and setting its filter again when the display's has changed;
    // counts it once per frame in the statistics.
    void bind();
    // Re-allocates this texture and its sub-textures at the same size.
    void recreate();
    // Reloads the image file and uploads it again; nothing for unnamed
    // textures.
    void repopulateTexture();
    // Gives up the OpenGL texture when the display is lost.
    void onKIVmodeChange(int oldMode, int newMode) override;
    // Texture coordinates of a pixel rectangle on the logical size.
    UVRect pixelToUV(const Rect& rect) const;

    int width = 0;
    int height = 0;
    int requestedWidth = 0;
    int requestedHeight = 0;
    // Owned, in frame order.
    std::vector<Skin*> skins;
    bool hasAlpha = true;
    // Its children are the mosaic's sub-textures, row by row.
    KivBase* subTextures = nullptr;
    int lastBoundFrame = 0;
    int realWidth = 0;
    int realHeight = 0;
    int scaleFactor = 1;
    MemoryImageFile* pSavedSourceData = nullptr;
    UString name;
    int flags = 0;
    unsigned int glTexHandle = 0;

private:
    // The display's filter (KivGraphics::bBilinearFilter) when this texture's
    // filter was last set.
    bool bBilinearApplied = false;

    struct MosaicGrid {
        bool bSplitX, bSplitY;
        int stepX, stepY, padX, padY;
    };

    void createSubTextureHolder();
    void ditherForDisplay(MemoryImageFile* image) const;
    // Uploads image as construction does: whole, halved to fit, or into the
    // mosaic cells (created when createCells is set).
    void uploadImage(MemoryImageFile* image, bool createCells);
    MosaicGrid mosaicGrid(const MemoryImageFile* image) const;
    void uploadMosaicCells(MemoryImageFile* image, bool createCells);
    void buildMosaicSkins(const MemoryImageFile* image);
    void addWholeImageSkin();
    void deleteGLTexture();
};
