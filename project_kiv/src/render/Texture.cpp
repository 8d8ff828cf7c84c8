#include "Texture.h"

#include "ErrorManager.h"
#include "FileManager.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "KivObserver.h"
#include "Logger.h"
#include "MemoryImageFile.h"
#include "MemoryIniFile.h"
#include "Point.h"
#include "Quad.h"
#include "QuadMosaic.h"
#include "TextureSkinFile.h"

#include <GL/gl.h>

#include <algorithm>

namespace {
KivBase* createTexture()
{
    return new Texture();
}

const GLint requestedFormat = GL_RGBA8;

void checkGL(const char* statement, const char* function, int line)
{
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR)
        kivFatalStatement(ErrorManager::glErrorToString(error), statement, function, __FILE__, line);
}

int nextPowerOfTwo(int value)
{
    int power = 1;
    while (power < value && power < (1 << 30))
        power <<= 1;
    return power;
}

int clampInt(int value, int low, int high)
{
    return std::max(low, std::min(value, high));
}

bool displayAvailable()
{
    return pKiv && pKiv->pGraphics && pKiv->pGraphics->surfaceHandle;
}
}

KIV_IMPLEMENT_CLASS(Texture, KivBase, createTexture);

Texture::Texture(const UString& fileName, int textureFlags) : name(fileName), flags(textureFlags)
{
    createSubTextureHolder();
    KIV_LOG("Loading texture '%s'...", fileName.c_str());
    MemoryImageFile* image = new MemoryImageFile(fileName, false);
    ditherForDisplay(image);
    hasAlpha = image->hasAlpha || (flags & TEXTURE_FORCE_ALPHA);
    createEmptyTexture(image->width, image->height, flags);
    const UString iniName = fileName + ".ini";
    if (realWidth >= image->width && realHeight >= image->height) {
        loadSkins(iniName);
        copyImageData(image, nullptr, nullptr);
    } else if (flags & TEXTURE_SHRINK_TO_FIT) {
        uploadImage(image, true);
        loadSkins(iniName);
    } else {
        loadSkins(iniName);
        uploadImage(image, true);
        buildMosaicSkins(image);
    }
    if (flags & TEXTURE_KEEP_SOURCE)
        pSavedSourceData = image;
    else
        delete image;
}

Texture::Texture(int textureWidth, int textureHeight, int textureFlags) : flags(textureFlags)
{
    createSubTextureHolder();
    createEmptyTexture(textureWidth, textureHeight, 0);
    if (flags & TEXTURE_KEEP_SOURCE)
        pSavedSourceData = new MemoryImageFile(realWidth, realHeight);
    addWholeImageSkin();
}

Texture::Texture(MemoryImageFile* image)
{
    createSubTextureHolder();
    hasAlpha = image->hasAlpha;
    createEmptyTexture(image->width, image->height, 0);
    copyImageData(image, nullptr, nullptr);
    addWholeImageSkin();
}

Texture::Texture()
{
    KIV_ERROR("Empty constructor called (tried to serialize?)");
}

Texture::~Texture()
{
    delete pSavedSourceData;
    pSavedSourceData = nullptr;
    for (Skin* skin : skins)
        delete skin;
    skins.clear();
    deleteGLTexture();
}

void Texture::createSubTextureHolder()
{
    subTextures = new KivBase();
    addChildLast(subTextures);
}

void Texture::ditherForDisplay(MemoryImageFile* image) const
{
    if (!pKiv || !pKiv->pGraphics || pKiv->pGraphics->displayDepth > 16 || (flags & TEXTURE_NO_DITHER))
        return;
    if (pKiv->ditherDepth == 15)
        image->ditherTo15Bit();
    else if (pKiv->ditherDepth == 12)
        image->ditherTo12Bit();
}

void Texture::createEmptyTexture(int textureWidth, int textureHeight, int textureFlags)
{
    KIV_LOG(" Requesting texture: %dx%d, format %d", textureWidth, textureHeight, requestedFormat);
    width = realWidth = requestedWidth = textureWidth;
    height = realHeight = requestedHeight = textureHeight;
    KivGraphics* pGraphics = pKiv->pGraphics;
    if (pGraphics->bSimulate256x256TextureHW) {
        if (textureFlags & TEXTURE_ALLOW_512) {
            realWidth = textureWidth <= 256 ? 256 : 512;
            realHeight = textureHeight <= 256 ? 256 : 512;
        } else {
            realWidth = realHeight = 256;
        }
    } else {
        // Old drivers take only power-of-two sizes, and none takes more than
        // its maximum: larger images then go the halving or mosaic way.
        GLint maxSize = 0;
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
        if (maxSize <= 0)
            maxSize = 256;
        realWidth = std::min(nextPowerOfTwo(textureWidth), static_cast<int>(maxSize));
        realHeight = std::min(nextPowerOfTwo(textureHeight), static_cast<int>(maxSize));
    }
    glGenTextures(1, &glTexHandle);
    checkGL("glGenTextures(1,&glTexHandle)", __func__, __LINE__);
    glBindTexture(GL_TEXTURE_2D, glTexHandle);
    checkGL("glBindTexture(GL_TEXTURE_2D,glTexHandle)", __func__, __LINE__);
    pGraphics->setTextureParameters();
    bBilinearApplied = pGraphics->bBilinearFilter;
    glTexImage2D(GL_TEXTURE_2D, 0, requestedFormat, realWidth, realHeight, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    checkGL("glTexImage2D( GL_TEXTURE_2D, 0, requestedFormat, realWidth, realHeight, 0, GL_RGBA, "
            "GL_UNSIGNED_BYTE, NULL )",
            __func__, __LINE__);
    GLint format = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &format);
    if (pKiv->pObserver)
        pKiv->pObserver->onTextureMade(*this);
    width = realWidth;
    height = realHeight;
    if (requestedWidth != realWidth || requestedHeight != realHeight)
        KIV_LOG(" Note! Texture has been resized to %dx%d.", realWidth, realHeight);
    if (format != requestedFormat)
        KIV_LOG(" Note! Texture format has changed to %d.", format);
}

void Texture::copyImageData(MemoryImageFile* sourceData, const Rect* sourceRect, const Point* destPoint)
{
    KIV_ASSERT(glIsTexture(glTexHandle));
    glBindTexture(GL_TEXTURE_2D, glTexHandle);
    checkGL("glBindTexture(GL_TEXTURE_2D,glTexHandle)", __func__, __LINE__);
    const Rect whole(0, 0, sourceData->width, sourceData->height);
    if (sourceRect)
        KIV_ASSERT(scaleFactor==1);
    else
        sourceRect = &whole;
    const Point origin(0, 0);
    if (!destPoint)
        destPoint = &origin;
    KIV_ASSERT(destPoint->x+sourceRect->width()<=realWidth && destPoint->y+sourceRect->height()<=realHeight);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, sourceData->width);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, sourceRect->top);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, sourceRect->left);
    glTexSubImage2D(GL_TEXTURE_2D, 0, destPoint->x, destPoint->y, sourceRect->width(), sourceRect->height(), GL_RGBA,
                    GL_UNSIGNED_BYTE, sourceData->pImageData);
    checkGL("glTexSubImage2D( GL_TEXTURE_2D, 0, destPoint->x, destPoint->y, sourceRect->width(), "
            "sourceRect->height(), GL_RGBA, GL_UNSIGNED_BYTE, sourceData->pImageData )",
            __func__, __LINE__);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    if (pKiv && pKiv->pObserver)
        pKiv->pObserver->onTextureFilled(*this, Rect(destPoint->x, destPoint->y, destPoint->x + sourceRect->width(),
                                                     destPoint->y + sourceRect->height()));
}

void Texture::addWholeImageSkin()
{
    Quad* quad = new Quad();
    quad->pTexture = this;
    quad->pixelRect = Rect(0, 0, requestedWidth, requestedHeight);
    quad->uvRect = UVRect(0.0f, 0.0f, static_cast<float>(requestedWidth) / width,
                          static_cast<float>(requestedHeight) / height);
    quad->resetSize();
    skins.push_back(quad);
}

void Texture::loadSkins(const UString& iniName)
{
    if (!pKiv->pFileManager->exists(iniName)) {
        addWholeImageSkin();
        return;
    }
    MemoryIniFile ini(iniName);
    KIV_LOG("Texture contains %d skins.", ini.getSectionCount());
    for (const TextureSkinFile::Entry& entry : TextureSkinFile::read(ini)) {
        Quad* quad = new Quad();
        quad->pTexture = this;
        quad->origin = entry.origin;
        quad->pixelRect = entry.rect;
        quad->uvRect = pixelToUV(entry.rect);
        quad->resetSize();
        skins.push_back(quad);
    }
}

UVRect Texture::pixelToUV(const Rect& rect) const
{
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    return UVRect(rect.left / w, rect.top / h, rect.right / w, rect.bottom / h);
}

void Texture::uploadImage(MemoryImageFile* image, bool createCells)
{
    if (realWidth >= image->width && realHeight >= image->height) {
        copyImageData(image, nullptr, nullptr);
    } else if (flags & TEXTURE_SHRINK_TO_FIT) {
        scaleFactor = 1;
        while (image->width > realWidth || image->height > realHeight) {
            image->halveSize();
            scaleFactor *= 2;
        }
        width = realWidth * scaleFactor;
        height = realHeight * scaleFactor;
        copyImageData(image, nullptr, nullptr);
    } else {
        uploadMosaicCells(image, createCells);
    }
}

Texture::MosaicGrid Texture::mosaicGrid(const MemoryImageFile* image) const
{
    MosaicGrid grid;
    grid.bSplitX = image->width > realWidth;
    grid.bSplitY = image->height > realHeight;
    grid.stepX = grid.bSplitX ? realWidth - 2 : realWidth;
    grid.padX = grid.bSplitX ? 1 : 0;
    grid.stepY = grid.bSplitY ? realHeight - 2 : realHeight;
    grid.padY = grid.bSplitY ? 1 : 0;
    return grid;
}

void Texture::uploadMosaicCells(MemoryImageFile* image, bool createCells)
{
    const MosaicGrid grid = mosaicGrid(image);
    const int w = image->width, h = image->height;
    if (createCells)
        kivLog("Texture", "Mosaic axis: %s %s", grid.bSplitX ? "X" : "", grid.bSplitY ? "Y" : "");
    BasicLink* pCell = subTextures->pFirstChild;
    for (int y0 = 0; y0 < h; y0 += grid.stepY) {
        const int y1 = std::min(y0 + grid.stepY, h);
        for (int x0 = 0; x0 < w; x0 += grid.stepX) {
            const int x1 = std::min(x0 + grid.stepX, w);
            int left = x0 - grid.padX, right = x1 + grid.padX;
            int top = y0 - grid.padY, bottom = y1 + grid.padY;
            const int clipL = left < 0 ? 1 : 0, clipT = top < 0 ? 1 : 0;
            const int clipR = right > w ? 1 : 0, clipB = bottom > h ? 1 : 0;
            left = std::max(left, 0);
            top = std::max(top, 0);
            right = std::min(right, w);
            bottom = std::min(bottom, h);
            Texture* sub;
            if (createCells) {
                sub = new Texture(realWidth, realHeight, 0);
                subTextures->addChildLast(sub);
                sub->hasAlpha = hasAlpha;
            } else {
                if (!pCell)
                    return;
                sub = static_cast<Texture*>(pCell);
                pCell = pCell->pNext;
            }
            const Rect cell(left, top, right, bottom);
            const Point at(clipL, clipT);
            sub->copyImageData(image, &cell, &at);
            if (clipL) {
                const Rect column(left, top, left + 1, bottom);
                const Point to(0, clipT);
                sub->copyImageData(image, &column, &to);
            }
            if (clipT) {
                const Rect row(left, top, right, top + 1);
                const Point to(clipL, 0);
                sub->copyImageData(image, &row, &to);
            }
            if (clipR) {
                const Rect column(right - 1, top, right, bottom);
                const Point to(right - left + clipL, clipT);
                sub->copyImageData(image, &column, &to);
            }
            if (clipB) {
                const Rect row(left, bottom - 1, right, bottom);
                const Point to(clipL, bottom - top + clipT);
                sub->copyImageData(image, &row, &to);
            }
        }
    }
    if (createCells)
        kivLog("Texture", "Created %d subTextures.", subTextures->getChildCount());
}

void Texture::buildMosaicSkins(const MemoryImageFile* image)
{
    const MosaicGrid grid = mosaicGrid(image);
    const int w = image->width, h = image->height;
    const int gridColumns = (w - 1) / grid.stepX + 1;
    std::vector<Texture*> cells;
    for (BasicLink* node = subTextures->pFirstChild; node; node = node->pNext)
        cells.push_back(static_cast<Texture*>(node));
    for (size_t i = 0; i < skins.size(); ++i) {
        Quad* source = static_cast<Quad*>(skins[i]);
        const Rect p = source->pixelRect;
        // A rectangle outside the image would need cells that do not exist.
        if (p.left < 0 || p.top < 0 || p.right > w || p.bottom > h || p.right <= p.left || p.bottom <= p.top)
            KIV_ERROR("Skin %d of texture '%s' does not lie inside the image (%dx%d).", static_cast<int>(i),
                      name.c_str(), w, h);
        const int firstColumn = p.left / grid.stepX, firstRow = p.top / grid.stepY;
        const int columns = (p.right - 1) / grid.stepX - firstColumn + 1;
        const int rows = (p.bottom - 1) / grid.stepY - firstRow + 1;
        QuadMosaic* mosaic = new QuadMosaic();
        mosaic->setGridSize(columns, rows);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                Texture* sub = cells[gridColumns * (firstRow + r) + firstColumn + c];
                Quad* quad = new Quad();
                quad->pTexture = sub;
                const int offsetX = grid.stepX * (firstColumn + c), offsetY = grid.stepY * (firstRow + r);
                quad->pixelRect = Rect(clampInt(p.left - offsetX, 0, grid.stepX) + grid.padX,
                                       clampInt(p.top - offsetY, 0, grid.stepY) + grid.padY,
                                       clampInt(p.right - offsetX, 0, grid.stepX) + grid.padX,
                                       clampInt(p.bottom - offsetY, 0, grid.stepY) + grid.padY);
                quad->uvRect = sub->pixelToUV(quad->pixelRect);
                quad->resetSize();
                sub->skins.push_back(quad);
                mosaic->quads[r * columns + c] = quad;
            }
        }
        mosaic->updateLayout();
        mosaic->origin = source->origin;
        delete source;
        skins[i] = mosaic;
    }
}

void Texture::clear(const Rect* rect, bool white)
{
    KIV_ASSERT(pSavedSourceData!=NULL);
    pSavedSourceData->clear(rect, white);
    if (!rect)
        copyImageData(pSavedSourceData, nullptr, nullptr);
}

void Texture::bind()
{
    if (!glIsTexture(glTexHandle)) {
        glTexHandle = 0;
        Texture* owner = this;
        KivBase* holder = getParent();
        KivBase* parentTexture = holder ? holder->getParent() : nullptr;
        if (parentTexture && parentTexture->getRuntimeClass()->isDerivedFrom(&Texture::classRecord) &&
            static_cast<Texture*>(parentTexture)->subTextures == holder)
            owner = static_cast<Texture*>(parentTexture);
        owner->recreate();
        owner->repopulateTexture();
    }
    glBindTexture(GL_TEXTURE_2D, glTexHandle);
    // A filter changed in the options reaches every texture the next time it
    // is drawn, not only the one bound at the change.
    if (pKiv && pKiv->pGraphics && bBilinearApplied != pKiv->pGraphics->bBilinearFilter) {
        pKiv->pGraphics->setTextureParameters();
        bBilinearApplied = pKiv->pGraphics->bBilinearFilter;
    }
    if (pKiv && lastBoundFrame < pKiv->frameNumber) {
        ++pKiv->stats.texturesUsed;
        pKiv->stats.texelsUsed += realWidth * realHeight;
        lastBoundFrame = pKiv->frameNumber;
    }
}

void Texture::recreate()
{
    // Any name still held belongs to the lost context: in the new one the
    // same number may already be another texture's, so it is not deleted.
    glTexHandle = 0;
    createEmptyTexture(realWidth, realHeight, flags);
    for (BasicLink* node = subTextures->pFirstChild; node; node = node->pNext)
        static_cast<Texture*>(node)->recreate();
}

void Texture::repopulateTexture()
{
    if (name.empty())
        return;
    KIV_LOG("Repopulating texture '%s'...", name.c_str());
    MemoryImageFile* image = new MemoryImageFile(name, false);
    ditherForDisplay(image);
    uploadImage(image, false);
    delete image;
}

void Texture::onKIVmodeChange(int oldMode, int newMode)
{
    if (oldMode == Kiv::MODE_INACTIVE && newMode == Kiv::MODE_DISPLAYLOST)
        deleteGLTexture();
}

void Texture::deleteGLTexture()
{
    if (glTexHandle != 0 && displayAvailable() && glIsTexture(glTexHandle))
        glDeleteTextures(1, &glTexHandle);
    glTexHandle = 0;
}
