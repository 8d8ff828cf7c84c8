#include "Camera.h"

#include "Kiv.h"
#include "KivGraphics.h"

KIV_IMPLEMENT_CLASS(Camera, KivBase, nullptr);

Camera::Camera()
{
    float width = pKiv && pKiv->pGraphics ? static_cast<float>(pKiv->pGraphics->fovWidth) : 640.0f;
    position = V3(0.0f, 0.0f, -width / 2.0f);
}

void Camera::tick(double, double)
{
}

void Camera::lateUpdate(double, double)
{
}

void Camera::render()
{
}

V3 Camera::screen2world(float x, float y, float z) const
{
    float width = pKiv && pKiv->pGraphics ? static_cast<float>(pKiv->pGraphics->fovWidth) : 640.0f;
    float height = pKiv && pKiv->pGraphics ? static_cast<float>(pKiv->pGraphics->fovHeight) : 480.0f;
    return V3(x - width / 2.0f + position.x, y - height / 2.0f + position.y, z);
}
