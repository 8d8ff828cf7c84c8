#include "Camera.h"

#include "Kiv.h"
#include "KivGraphics.h"

#include <cmath>

namespace {
KivBase* createCamera()
{
    return new Camera();
}

// The virtual screen of the display; before the engine's graphics exist (a
// camera made on its own) the default 640 x 480.
float fovWidth()
{
    return pKiv && pKiv->pGraphics ? static_cast<float>(pKiv->pGraphics->fovWidth) : 640.0f;
}

float aspectRatio()
{
    return pKiv && pKiv->pGraphics ? pKiv->pGraphics->aspectRatio : 0.75f;
}
}

KIV_IMPLEMENT_CLASS(Camera, KivBase, createCamera);

Camera::Camera()
{
    position = V3(0.0f, 0.0f, fovWidth() * -0.5f);
    eye = position;
}

Camera::~Camera() = default;

void Camera::tick(double, double)
{
    eye = V3(std::trunc(position.x), std::trunc(position.y), position.z);
    centre = V3(std::trunc(lookAtPoint.x), std::trunc(lookAtPoint.y), lookAtPoint.z);
}

void Camera::render()
{
    const float a = aspectRatio();
    Matrix projection;
    projection.frustum(1.0, -1.0, -a, a, 1.0, 999999.0);
    lookAt(projection, eye.x, eye.y, eye.z, centre.x, centre.y, centre.z, std::sin(roll), std::cos(roll), 0.0f);
    if (pKiv && pKiv->pGraphics)
        pKiv->pGraphics->setProjection(projection.m);
}

void Camera::lateUpdate(double, double)
{
}

Camera::VisibleRect Camera::getVisibleRect(float z) const
{
    const float d = z - position.z;
    const float a = aspectRatio();
    return VisibleRect{lookAtPoint.x - d, lookAtPoint.y + d * a, lookAtPoint.x + d, lookAtPoint.y - d * a};
}

Camera::VisibleRect Camera::getVisibleRectFrom(float z, float x, float y, float cameraZ)
{
    const float d = z - cameraZ;
    const float a = aspectRatio();
    return VisibleRect{x - d, y + d * a, x + d, y - d * a};
}

float Camera::getDepthScale(float z) const
{
    return (z - eye.z) / (fovWidth() * 0.5f);
}

V3 Camera::screen2world(float x, float y, float z) const
{
    const float s = getDepthScale(z);
    const float d = centre.z - position.z;
    const float a = aspectRatio();
    return V3(lookAtPoint.x - d + s * x, lookAtPoint.y - d * a + s * y, z);
}

V3 Camera::world2screen(float x, float y, float z) const
{
    const float s = getDepthScale(z);
    const float d = centre.z - position.z;
    const float a = aspectRatio();
    return V3((x - (lookAtPoint.x - d)) / s, (y - (lookAtPoint.y - d * a)) / s, z);
}

void Camera::lookAt(Matrix& matrix, float eyeX, float eyeY, float eyeZ, float centreX, float centreY, float centreZ,
                    float upX, float upY, float upZ)
{
    const V3 f = normalize(V3(centreX - eyeX, centreY - eyeY, centreZ - eyeZ));
    const V3 s = normalize(crossProduct(f, V3(upX, upY, upZ)));
    const V3 u = crossProduct(s, f);
    Matrix view;
    view.m[0] = s.x;
    view.m[4] = s.y;
    view.m[8] = s.z;
    view.m[1] = u.x;
    view.m[5] = u.y;
    view.m[9] = u.z;
    view.m[2] = -f.x;
    view.m[6] = -f.y;
    view.m[10] = -f.z;
    matrix.multiply(view);
    matrix.translate(-eyeX, -eyeY, -eyeZ);
}
