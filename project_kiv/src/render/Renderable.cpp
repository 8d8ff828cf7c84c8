#include "Renderable.h"

#include "Camera.h"
#include "Context.h"
#include "ErrorManager.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "KivObserver.h"
#include "Packet.h"
#include "PropertyContainer.h"
#include "PropertyFloat.h"
#include "PropertyPointer.h"
#include "PropertyUColor.h"
#include "Skin.h"
#include "VertexBuffer.h"

#include <cmath>
#include <memory>

namespace {
KivBase* createRenderable()
{
    return new Renderable();
}

const double RADIANS_TO_DEGREES = 57.29577951308232;
const V3 ONE(1.0f, 1.0f, 1.0f);

float distanceSquared(const V3& a, const V3& b)
{
    return (a - b).lengthSquared();
}

void addVectorGroup(PropertyContainer& container, const char* name, V3& v)
{
    auto group = std::make_unique<PropertyContainer>(name);
    group->add(std::make_unique<PropertyFloat>("x", &v.x));
    group->add(std::make_unique<PropertyFloat>("y", &v.y));
    group->add(std::make_unique<PropertyFloat>("z", &v.z));
    container.add(std::move(group));
}
}

KIV_IMPLEMENT_CLASS(Renderable, KivBase, createRenderable);

Renderable::Renderable() = default;

Renderable::~Renderable()
{
    if (bOwnsSkin && pSkin) {
        pSkin->deleteMe();
        pSkin = nullptr;
    }
}

void Renderable::applyColorMode()
{
    pKiv->pGraphics->setTextureModulate(color != UColor(255, 255, 255, 255));
}

void Renderable::applyXform(Matrix& matrix)
{
    matrix.translate(position.x, position.y, position.z);
    if (postScale != ONE)
        matrix.scale(postScale.x, postScale.y, postScale.x);
    if (rotation.x != 0.0f)
        matrix.rotate(static_cast<float>(rotation.x * RADIANS_TO_DEGREES), 1.0f, 0.0f, 0.0f);
    if (rotation.y != 0.0f)
        matrix.rotate(static_cast<float>(rotation.y * RADIANS_TO_DEGREES), 0.0f, 1.0f, 0.0f);
    if (rotation.z != 0.0f)
        matrix.rotate(static_cast<float>(rotation.z * RADIANS_TO_DEGREES), 0.0f, 0.0f, 1.0f);
    if (scale != ONE)
        matrix.scale(scale.x, scale.y, scale.x);
}

void Renderable::calcXform()
{
    xform = postXform;
    applyXform(xform);
    if (pSkin)
        pSkin->applyXform(xform);
    if (bHasInvXform) {
        if (pKiv)
            ++pKiv->stats.invXforms;
        // A zero scale is a legitimate look (a collapsed or flipping object);
        // such an object simply cannot be hit until it has a size again.
        bInvXformValid = invXform.invert(xform);
    }
}

void Renderable::calcBounds()
{
    if (bSkipVisibility)
        return;
    boundsCentre = local2world(V3(0.0f, 0.0f, 0.0f));
    if (pSkin)
        boundsRadius = std::sqrt(distanceSquared(boundsCentre, transformPoint(pSkin->getHalfSize(), xform)));
}

void Renderable::calcVisibility()
{
    if (bSkipVisibility) {
        bVisible = true;
        return;
    }
    Context* pContext = pKiv ? pKiv->pCurrentContext : nullptr;
    if (!pContext || !pContext->pCamera) {
        bVisible = true;
        return;
    }
    const Camera::VisibleRect view = pContext->pCamera->getVisibleRect(boundsCentre.z);
    const float cx = boundsCentre.x, cy = boundsCentre.y, r = boundsRadius;
    bVisible = !(view.left > cx + r || cx - r > view.right || cy - r > view.top || view.bottom > cy + r);
}

bool Renderable::isPointInside(V3 world)
{
    if (!pSkin)
        return false;
    const V3 local = world2local(world);
    if (!bInvXformValid)
        return false;
    return pSkin->isPointInside(local.x, local.y);
}

bool Renderable::isPointInsideBounds(V3 world)
{
    KIV_ASSERT(!bSkipVisibility);
    return distanceSquared(world, boundsCentre) < boundsRadius * boundsRadius;
}

bool Renderable::isPointInsideCollisionBounds(V3 world)
{
    KIV_ASSERT(!bSkipVisibility);
    const float r = boundsRadius * collisionSensitivity;
    return distanceSquared(world, boundsCentre) < r * r;
}

bool Renderable::collide(Renderable* other)
{
    KIV_ASSERT(!bSkipVisibility && !other->bSkipVisibility);
    if (pKiv)
        ++pKiv->stats.collisions;
    const float reach = boundsRadius * collisionSensitivity + other->boundsRadius * other->collisionSensitivity;
    return distanceSquared(boundsCentre, other->boundsCentre) < reach * reach;
}

bool Renderable::boundsIntersecting(Renderable* other)
{
    KIV_ASSERT(!bSkipVisibility && !other->bSkipVisibility);
    const float reach = boundsRadius + other->boundsRadius;
    return distanceSquared(boundsCentre, other->boundsCentre) < reach * reach;
}

V3 Renderable::local2world(V3 local)
{
    if (pSkin)
        local = pSkin->local2world(local);
    return transformPoint(local, xform);
}

V3 Renderable::world2local(V3 world)
{
    KIV_ASSERT(bHasInvXform);
    V3 local = transformPoint(world, invXform);
    if (pSkin)
        local = pSkin->world2local(local);
    return local;
}

void Renderable::updateVisuals()
{
    if (pKiv) {
        ++pKiv->stats.updateVisuals;
        lastUpdateFrame = pKiv->frameNumber;
    }
    calcXform();
    calcBounds();
}

void Renderable::setScaleXY(float s)
{
    scale.x = s;
    scale.y = s;
    updateVisuals();
}

void Renderable::setPostScale(V3 v)
{
    postScale = v;
    updateVisuals();
}

V3& Renderable::getPostScale()
{
    return postScale;
}

void Renderable::setPostScaleXY(float s)
{
    postScale.x = s;
    postScale.y = s;
    updateVisuals();
}

void Renderable::setPostXform(Matrix& m)
{
    postXform = m;
    updateVisuals();
}

void Renderable::setSkinAndTransform(Skin* skin, const V3* newPosition, const V3* newRotation, const V3* newScale)
{
    if (skin)
        pSkin = skin;
    if (newPosition)
        position = *newPosition;
    if (newRotation)
        rotation = *newRotation;
    if (newScale)
        scale = *newScale;
    updateVisuals();
}

void Renderable::deleteSkin()
{
    if (!pSkin)
        return;
    pSkin->deleteMe();
    pSkin = nullptr;
}

void Renderable::netSerialize(Packet& packet)
{
    KivBase::netSerialize(packet);
    if (packet.isReading())
        updateVisuals();
}

void Renderable::addPropertiesTo(PropertyContainer& container)
{
    KivBase::addPropertiesTo(container);
    container.add(std::make_unique<PropertyFloat>("collisionSensitivity", &collisionSensitivity));
    addVectorGroup(container, "position", position);
    addVectorGroup(container, "rotation", rotation);
    addVectorGroup(container, "scale", scale);
    container.add(std::make_unique<PropertyUColor>("color", &color));
    if (!bOwnsSkin)
        container.add(std::make_unique<PropertyPointer>("pSkin", &pSkin, true));
}

bool Renderable::isMouseInside()
{
    if (bSkipVisibility || !bHasInvXform)
        return false;
    Context* pContext = findContext();
    return isPointInside(V3(pContext->mouseX, pContext->mouseY, pContext->mouseZ));
}

void Renderable::render()
{
    if (bHidden)
        return;
    calcVisibility();
    ++pKiv->stats.renderablesConsidered;
    if (!bVisible)
        return;
    ++pKiv->stats.renderablesDrawn;
    applyColorMode();
    const int keptDebugLevel = pKiv->debugLevel;
    int debugLevel = keptDebugLevel;
    if ((debugLevel & 0x80) && lastUpdateFrame == pKiv->frameNumber)
        debugLevel |= 0x40;
    if (pKiv->bDebugOutput) {
        if (isUnderMouse())
            debugLevel |= 0x10 | 0x40;
        if (isMouseOver())
            debugLevel |= 0x08;
    }
    pKiv->debugLevel = debugLevel;
    pKiv->pGraphics->loadMatrix(xform.m);
    if (pSkin) {
        KivObserver* observer = pKiv->pObserver;
        if (observer)
            observer->onSkinDrawn(*this);
        pSkin->draw(this);
        if (observer)
            observer->onDrawingDone();
    }
    if (!bSkipVisibility && (debugLevel & (0x10 | 0x20)))
        drawDebugOverlays(debugLevel);
    pKiv->debugLevel = keptDebugLevel;
}

void Renderable::drawDebugOverlays(int debugLevel)
{
    pKiv->pGraphics->loadIdentity();
    const int segments = 64;
    if (debugLevel & 0x10) {
        VertexBuffer circle(segments);
        const float r = boundsRadius * collisionSensitivity;
        const UColor red(255, 0, 0, static_cast<uint8_t>(color.a / 2));
        for (int i = 1; i <= segments; ++i) {
            const float angle = i * 6.28f / segments;
            circle.vertices[i - 1] = {0.0f, 0.0f, red, boundsCentre.x + r * std::cos(angle),
                                      boundsCentre.y + r * std::sin(angle), position.z};
        }
        circle.draw(nullptr, VertexBuffer::LINES, 0, -1);
    }
    if (debugLevel & 0x20) {
        VertexBuffer bounds(segments + 4);
        UColor faded = color;
        faded.a = static_cast<uint8_t>(color.a / 2);
        for (int i = 0; i < segments; ++i) {
            const float angle = i * 6.28f / segments;
            bounds.vertices[i] = {0.0f, 0.0f, faded, boundsCentre.x + boundsRadius * std::cos(angle),
                                  boundsCentre.y + boundsRadius * std::sin(angle), position.z};
        }
        const UColor white(255, 255, 255, 128);
        const float x = position.x, y = position.y, z = position.z;
        bounds.vertices[segments + 0] = {0.0f, 0.0f, white, x - 3, y - 3, z};
        bounds.vertices[segments + 1] = {0.0f, 0.0f, white, x + 3, y + 3, z};
        bounds.vertices[segments + 2] = {0.0f, 0.0f, white, x - 3, y + 3, z};
        bounds.vertices[segments + 3] = {0.0f, 0.0f, white, x + 3, y - 3, z};
        bounds.draw(nullptr, VertexBuffer::LINES, 0, -1);
    }
}
