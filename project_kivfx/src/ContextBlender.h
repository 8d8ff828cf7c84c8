#pragma once
// ContextBlender: a screen whose camera is a CameraBlender, so its view can
// glide between places. The shared menu background, the cut-scenes and the
// game-mode controllers derive from it. The screen owns the blender as its
// camera. Main thread only.
#include "Context.h"

class CameraBlender;

class ContextBlender : public Context {
    KIV_DECLARE_CLASS()
public:
    ContextBlender();

    CameraBlender* getCameraBlender() const;
};
