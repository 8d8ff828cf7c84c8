#include "RenderTestSupport.h"

#include "Quad.h"
#include "QuadMosaic.h"
#include "Renderable.h"
#include "Texture.h"
#include "VertexBuffer.h"

#include <GL/gl.h>

namespace {

using namespace rendertest;

TEST(SkinShape, PointTestIsClosedLeftAndBottom)
{
    Skin skin;
    skin.width = 10;
    skin.height = 10;
    EXPECT_TRUE(skin.isPointInside(-5, -5));
    EXPECT_FALSE(skin.isPointInside(5, 0));
    EXPECT_FALSE(skin.isPointInside(0, 5));
}

TEST(SkinShape, KeypadCodesPlaceTheAnchor)
{
    struct Case { int code; V3 origin; };
    const Case cases[] = {{7, V3(-50, 25, 0)}, {8, V3(0, 25, 0)}, {6, V3(50, 0, 0)},
                          {3, V3(50, -25, 0)}, {0, V3(0, 0, 0)},  {10, V3(1, 2, 0)}};
    for (const Case& c : cases) {
        Skin skin;
        skin.width = 100;
        skin.height = 50;
        skin.origin = V3(1, 2, 3);
        skin.setOriginLocation(c.code);
        if (c.code < 0 || c.code > 9)
            EXPECT_TRUE(skin.origin == V3(1, 2, 3)) << "code " << c.code << " keeps the anchor";
        else
            EXPECT_TRUE(skin.origin == c.origin) << "code " << c.code;
    }
}

TEST(VertexBufferDraw, OpaqueTextureIgnoresVertexColoursAndRestoresBlending)
{
    const std::string path = tempPath("opaque.tga");
    writeTGA(path, 8, 8, std::vector<UColor>(64, UColor(0, 200, 0, 0)));
    Texture texture(path, 0);
    texture.hasAlpha = false;
    Screen screen;
    Quad* quad = static_cast<Quad*>(texture.skins[0]);
    quad->setSize(40, 40);
    Renderable r;
    r.pSkin = quad;
    r.color = UColor(255, 0, 0, 255);
    r.updateVisuals();
    r.render();
    auto image = grab();
    EXPECT_TRUE(sameColor(UColor(0, 200, 0, 255), worldPixel(*image, 0, 0))) << "drawn opaque in replace mode";
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
    GLint mode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    EXPECT_EQ(GL_MODULATE, mode);
}

} // namespace
