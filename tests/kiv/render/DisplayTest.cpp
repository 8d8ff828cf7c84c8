#include "RenderTestSupport.h"

#include "MemoryIniFile.h"
#include "VertexBuffer.h"

#include <GL/gl.h>
#include <SDL/SDL.h>

namespace {

using namespace rendertest;

void fillRect(VertexBuffer& buffer, float left, float top, float right, float bottom, UColor color)
{
    buffer.resize(4);
    buffer.vertices[0] = {0, 0, color, left, top, 0};
    buffer.vertices[1] = {0, 0, color, right, top, 0};
    buffer.vertices[2] = {0, 0, color, left, bottom, 0};
    buffer.vertices[3] = {0, 0, color, right, bottom, 0};
}

TEST(Display, OpensTheConfiguredWindowWithTheApplicationName)
{
    KivGraphics& g = *pKiv->pGraphics;
    ASSERT_NE(nullptr, g.surfaceHandle);
    EXPECT_FALSE(g.bFullScreen);
    EXPECT_EQ(640, g.screenWidth);
    EXPECT_EQ(480, g.screenHeight);
    EXPECT_EQ(640, g.fovWidth);
    EXPECT_EQ(480, g.fovHeight);
    EXPECT_FLOAT_EQ(0.75f, g.aspectRatio);
    EXPECT_GE(g.displayDepth, 24);
    EXPECT_EQ(1024, g.desktopWidth);
    EXPECT_EQ(768, g.desktopHeight);
    char* title = nullptr;
    char* icon = nullptr;
    SDL_WM_GetCaption(&title, &icon);
    EXPECT_STREQ("Glimmerdaledemo", title);
    EXPECT_STREQ("Glimmerdaledemo", icon);
}

TEST(Display, VirtualScreenFillsTheDisplayUnderTheGlobalProjection)
{
    KivGraphics& g = *pKiv->pGraphics;
    g.setGlobalRenderState();
    g.clear(UColor(0, 0, 255, 255));
    VertexBuffer full;
    fillRect(full, -320, 240, 320, -240, UColor(255, 255, 0, 255));
    full.draw(nullptr, VertexBuffer::TRIANGLE_STRIP, 0, -1);
    VertexBuffer marker;
    fillRect(marker, 95, 55, 105, 45, UColor(255, 0, 0, 255));
    marker.draw(nullptr, VertexBuffer::TRIANGLE_STRIP, 0, -1);
    auto image = grab();
    for (int x : {0, 639})
        for (int y : {0, 479})
            EXPECT_TRUE(sameColor(UColor(255, 255, 0, 255), pixelAt(*image, x, y))) << x << "," << y;
    EXPECT_TRUE(sameColor(UColor(255, 0, 0, 255), pixelAt(*image, 420, 190))) << "(100, 50) is right of and above the centre";
    EXPECT_TRUE(sameColor(UColor(255, 255, 0, 255), pixelAt(*image, 220, 290)));
}

TEST(Display, BlendingDiscardsZeroAlphaAndBlendsTheRest)
{
    Screen screen;
    pKiv->pGraphics->clear(UColor(0, 0, 200, 255));
    VertexBuffer invisible, faint;
    fillRect(invisible, -100, 100, 0, 0, UColor(255, 0, 0, 0));
    fillRect(faint, 0, 100, 100, 0, UColor(255, 0, 0, 128));
    invisible.draw(nullptr, VertexBuffer::TRIANGLE_STRIP, 0, -1);
    faint.draw(nullptr, VertexBuffer::TRIANGLE_STRIP, 0, -1);
    auto image = grab();
    EXPECT_TRUE(sameColor(UColor(0, 0, 200, 255), worldPixel(*image, -50, 50)));
    EXPECT_TRUE(sameColor(UColor(128, 0, 99, 255), worldPixel(*image, 50, 50), 2));
}

TEST(Display, SameModeWithAnotherFilterRaisesNoRestart)
{
    KivGraphics& g = *pKiv->pGraphics;
    pKiv->bRestartRequested = false;
    g.changePresentationParameters(640, 480, false, true, false);
    EXPECT_FALSE(pKiv->bRestartRequested);
    EXPECT_TRUE(g.bBilinearFilter);
    g.changePresentationParameters(1024, 768, false, false, false);
    EXPECT_TRUE(pKiv->bRestartRequested) << "a 1024 x 768 desktop matches 800 x 600";
    EXPECT_EQ(800, g.screenWidth);
    EXPECT_EQ(600, g.screenHeight);
    pKiv->bRestartRequested = false;
    g.changePresentationParameters(640, 480, false, false, false);
    g.restorePresentation();
    EXPECT_EQ(640, g.screenWidth);
}

} // namespace
