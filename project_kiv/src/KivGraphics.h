#pragma once
// KivGraphics: the display over SDL 1.2 and OpenGL. (Placeholder until the
// rendering core lands: only the fields other subsystems read.)
#include "KivBase.h"
#include "UColor.h"

class KivGraphics : public KivBase {
    KIV_DECLARE_CLASS()
public:
    KivGraphics();
    ~KivGraphics() override;

    bool restorePresentation() { return true; }
    void setGlobalRenderState() {}
    void clear(UColor) {}
    void present() {}
    void getProjection(float*) const {}
    void setProjection(const float*) {}
    void saveScreenshot(const UString&) {}
    void onFatalError() {}

    int fovWidth = 640;
    int fovHeight = 480;
    int displayDepth = 32;
    bool bFullScreen = false;
    bool bTextShadows = true;
};
