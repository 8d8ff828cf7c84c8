#include "ContextBlender.h"

#include "CameraBlender.h"

KIV_IMPLEMENT_CLASS(ContextBlender, Context, []() -> KivBase* { return new ContextBlender(); });

ContextBlender::ContextBlender()
{
    delete pCamera;
    pCamera = new CameraBlender();
}

CameraBlender* ContextBlender::getCameraBlender() const
{
    return static_cast<CameraBlender*>(pCamera);
}
