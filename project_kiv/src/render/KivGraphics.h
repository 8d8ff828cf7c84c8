#pragma once
// KivGraphics: the display over SDL 1.2 and OpenGL 1.x. The engine object
// creates exactly one (after input, before audio) and deletes it at shutdown;
// its constructor opens the display. It owns the display settings (section
// "KivGraphics" of the engine configuration), matches a requested mode to one
// the display can open, defines the virtual screen fovWidth x fovHeight in
// which the game works, and offers the fixed OpenGL state, matrix loads,
// presentation and screenshots. Its fields are public and read directly by
// the drawing parts. Main thread only, with the OpenGL context current.
#include "RuntimeClass.h"
#include "UColor.h"
#include "UString.h"

#include <memory>
#include <utility>
#include <vector>

struct SDL_Surface;
struct SDL_VideoInfo;
class MemoryImageFile;

class KivGraphics {
public:
    static RuntimeClass classRecord;
    virtual const RuntimeClass* getRuntimeClass() const { return &classRecord; }

    // What SDL offers for full screen: any size, or a list (possibly empty)
    // of sizes in SDL's order.
    struct VideoModeList {
        bool bAnySize = false;
        std::vector<std::pair<int, int>> sizes;
    };

    // Reads the configuration, sets the caption, logs the desktop and its
    // full-screen modes, and opens the display (restorePresentation).
    KivGraphics();
    // Writes the display choices back into the configuration and returns to a
    // window when full screen was on.
    virtual ~KivGraphics();
    // Writes the display choices into the configuration (in memory; the
    // engine saves the file). Touches no display. Once the teardown has
    // begun it writes nothing: the choices stored as it began stand.
    void storeSettings() const;
    KivGraphics(const KivGraphics&) = delete;
    KivGraphics& operator=(const KivGraphics&) = delete;

    // Replaces the requested mode in place by the closest one the display can
    // open, asking SDL for its full-screen modes.
    void calcClosestMatchParameters(bool& fullScreen, int& width, int& height);
    // The matching rule itself, on a given mode list and desktop size.
    static void matchMode(const VideoModeList& modes, int desktopW, int desktopH, bool& fullScreen, int& width,
                          int& height);
    // Logs every field of the record, one line each.
    void dumpVideoInfo(const SDL_VideoInfo* info) const;

    // (Re)opens the display for the stored mode, after matching it, and sets
    // the global render state. A mode SDL cannot open is fatal; returns true.
    bool restorePresentation();
    // The fixed OpenGL state: unpack alignment, viewport, projection of the
    // virtual screen, identity model-view, blending, texturing.
    void setGlobalRenderState();
    // Applies display settings: the filter and vSync at once; a different
    // mode raises the engine's restart request.
    void changePresentationParameters(int width, int height, bool fullScreen, bool bilinearFilter, bool vSync);
    // Clears the colour buffer to the colour's red, green and blue (alpha 0).
    void clear(UColor color);
    // On: blend by source alpha and discard fragments of alpha exactly 0.
    void setAlphaBlending(bool on);
    // Texture environment: modulate by the vertex colour (true) or replace.
    void setTextureModulate(bool modulate);
    // Wrap and filter of the bound texture (bBilinearFilter decides the
    // filter).
    void setTextureParameters();
    void loadIdentity();
    // Loads 16 column-major floats as the model-view matrix.
    void loadMatrix(const float* matrix);
    // Loads 16 floats as the projection; the model-view matrix stays current.
    void setProjection(const float* matrix);
    void getProjection(float* matrix) const;
    // Ends the frame: flush and swap.
    void present();
    // The frame buffer as a new image (caller owns it), top row first.
    // failure, when given, is left empty when the read succeeded and
    // otherwise says why in words (a failed read is returned unflipped).
    MemoryImageFile* grabScreen(UString* failure);
    // Writes the frame buffer by the name's extension (".jpg": JPEG quality
    // 60) over whatever is at the name (MemoryImageFile::saveJPG): the crash
    // screenshot. False, with the reason in words in error and no file
    // written, when this process has no display open, the screen cannot be
    // read (an OpenGL error left by an earlier call does not count) or the
    // image cannot be written (memory running out included); whatever was
    // at the name is then left as it was.
    bool saveScreenshot(const UString& fileName, UString& error);
    // The same, as a new file under the first free name of the series
    // prefix, 0001 to 9999, suffix (writeNumberedFile, NumberedFile.h),
    // never in the place of anything: the screenshot key's. True, with the
    // name in name; false, with the reason in words in error and name the
    // one it was for (empty when every name is taken), no file written.
    bool saveNumberedScreenshot(const UString& prefix, const UString& suffix, UString& name, UString& error);
    // Called by the error reporter before it ends the program.
    void onFatalError();
    // False in a process forked from the one that opened the display (or
    // before any display was opened): such a process must not use it.
    bool isDisplayProcess() const;

    bool bFullScreen = false;
    bool bBilinearFilter = false;
    bool bUseVSync = false;
    bool bEnableFontCache = false;
    bool bUseReferenceDevice = false;
    bool bUseHardwareTL = false;
    bool bSimulate256x256TextureHW = false;
    int fovWidth = 0;
    int fovHeight = 0;
    int screenWidth = 0;
    int screenHeight = 0;
    int desktopWidth = 0;
    int desktopHeight = 0;
    int displayDepth = 0;
    float aspectRatio = 0.0f;
    bool bBrokenAlphaOp = false;
    bool bTFACTORSupport = false;
    bool bTextShadows = false;
    SDL_Surface* surfaceHandle = nullptr;

private:
    // The process that opened the display.
    int displayProcess = 0;
    // The teardown has stored the player's choices: from then on
    // storeSettings writes nothing, so that those stand.
    bool bSettingsFrozen = false;

    // The frame buffer read for saving under fileName, whose extension
    // selects the format (JPEG the only one made: a TGA or BMP name is the
    // fatal "Unimplemented"): null, with the reason in words in error, when
    // it cannot be read or the name has no format's extension.
    std::unique_ptr<MemoryImageFile> grabScreenFor(const UString& fileName, UString& error);
    // Kept within low..high (MemoryIniFile::readIntInRange).
    void readInt(const char* key, int& field, int defaultValue, int low, int high);
    void readBool(const char* key, bool& field, bool defaultValue);
    static VideoModeList listFullScreenModes(const SDL_VideoInfo* info);
};
