#include "RenderTestSupport.h"

#include "Quad.h"
#include "Renderable.h"
#include "Texture.h"

#include <GL/gl.h>

namespace {

using namespace rendertest;

const float QUARTER_TURN = 1.5707963f;

// A 64 x 64 texture: red top-left, green top-right, blue bottom-left and
// white bottom-right quarters.
class DrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string path = tempPath("quarters.tga");
        writeTGA(path, 64, 64, quadrants(64, 64, RED, GREEN, BLUE, WHITE));
        texture = std::make_unique<Texture>(path, 0);
        skin = texture->skins[0];
    }

    void draw(Renderable& r)
    {
        r.pSkin = skin;
        r.updateVisuals();
        r.render();
    }

    std::unique_ptr<Texture> texture;
    Skin* skin = nullptr;
};

TEST_F(DrawTest, MovedRotatedScaledAndTintedDrawables)
{
    struct Case {
        const char* name;
        V3 rotation;
        V3 scale;
        UColor color;
        // Expected colours at the four probe points (-1 or +1 times probe).
        UColor topLeft, topRight, bottomLeft, bottomRight;
        float probe;
        V3 position = V3(0, 0, 0);
    };
    const UColor halfGrey(128, 128, 128, 255);
    const V3 ONE(1, 1, 1);
    const Case cases[] = {
        {"moved, top row up", V3(0, 0, 0), ONE, WHITE, RED, GREEN, BLUE, WHITE, 16, V3(100, 50, 0)},
        {"quarter turn anticlockwise", V3(0, 0, QUARTER_TURN), ONE, WHITE, GREEN, WHITE, RED, BLUE, 16},
        // Scaled before turning: 32 wide once turned, so nothing at 24.
        {"half as high, then a quarter turn", V3(0, 0, QUARTER_TURN), V3(1, 0.5f, 1), WHITE, GREEN, WHITE, RED,
         BLUE, 8},
        // About Y first, then Z: the image mirrored on its diagonal.
        {"half turn about Y, then a quarter about Z", V3(0, 2 * QUARTER_TURN, QUARTER_TURN), ONE, WHITE, WHITE,
         GREEN, BLUE, RED, 16},
        {"half transparent", V3(0, 0, 0), ONE, UColor(255, 255, 255, 128), UColor(128, 0, 0, 255),
         UColor(0, 128, 0, 255), UColor(0, 0, 128, 255), halfGrey, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Screen screen;
        Renderable r;
        r.rotation = c.rotation;
        r.color = c.color;
        r.scale = c.scale;
        r.position = c.position;
        draw(r);
        auto image = grab();
        const float x = c.position.x, y = c.position.y, p = c.probe;
        EXPECT_TRUE(pixelShows(c.topLeft, worldPixel(*image, x - p, y + p), 1));
        EXPECT_TRUE(pixelShows(c.topRight, worldPixel(*image, x + p, y + p), 1));
        EXPECT_TRUE(pixelShows(c.bottomLeft, worldPixel(*image, x - p, y - p), 1));
        EXPECT_TRUE(pixelShows(c.bottomRight, worldPixel(*image, x + p, y - p), 1));
        EXPECT_TRUE(pixelShows(BLACK, worldPixel(*image, x + 3 * p, y), 1)) << "nothing beside it";
    }
}

TEST_F(DrawTest, ObjectsOutsideTheViewAreCulled)
{
    struct Case { const char* name; V3 position; bool bHidden; bool bSkin; int considered, drawn; };
    const Case cases[] = {
        {"far right", V3(1000, 0, 0), false, true, 1, 0},
        {"overlapping the right edge", V3(340, 0, 0), false, true, 1, 1},
        {"above the top", V3(0, 290, 0), false, true, 1, 0},
        {"hidden", V3(0, 0, 0), true, true, 0, 0},
        {"no skin, centre in view", V3(10, 10, 0), false, false, 1, 1},
        {"far away in depth is still seen", V3(900, 0, 2000), false, true, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Screen screen;
        Renderable r;
        r.position = c.position;
        r.bHidden = c.bHidden;
        if (c.bSkin)
            r.pSkin = skin;
        r.updateVisuals();
        r.render();
        EXPECT_EQ(c.considered, pKiv->stats.renderablesConsidered);
        EXPECT_EQ(c.drawn, pKiv->stats.renderablesDrawn);
        EXPECT_EQ(c.drawn && c.bSkin ? 4 : 0, pKiv->stats.vertices);
    }
}

// The mouse tests: the bounds circle leaves out its rim and counts depth, and
// an object scaled to nothing (a door swinging shut) cannot be hit.
TEST_F(DrawTest, MouseFindsOnlyWhatIsInsideTheObject)
{
    Renderable round;
    draw(round);
    round.boundsRadius = 10.0f;
    EXPECT_TRUE(round.isPointInsideBounds(V3(9.9f, 0, 0)));
    EXPECT_FALSE(round.isPointInsideBounds(V3(10, 0, 0)));
    EXPECT_FALSE(round.isPointInsideBounds(V3(0, 0, 10)));
    struct Case { const char* name; V3 scale; bool bInside; };
    const Case cases[] = {
        {"whole", V3(1, 1, 1), true}, {"no width", V3(0, 1, 1), false}, {"no height", V3(1, 0, 1), false}};
    for (const Case& c : cases) {
        Renderable r;
        r.bHasInvXform = true;
        r.scale = c.scale;
        draw(r);
        EXPECT_EQ(c.bInside, r.isPointInside(V3(0, 5, 0))) << c.name;
    }
}

// An image without alpha is drawn as it is, whatever the object's colour,
// and leaves blending and tinting on for what is drawn next.
TEST(VertexBufferDraw, OpaqueTextureIgnoresVertexColoursAndRestoresBlending)
{
    const std::string path = tempPath("opaque.tga");
    writeTGA(path, 8, 8, std::vector<UColor>(64, UColor(0, 200, 0, 0)));
    Texture texture(path, 0);
    texture.hasAlpha = false;
    Screen screen;
    Renderable r;
    r.pSkin = texture.skins[0];
    r.color = RED;
    r.updateVisuals();
    r.render();
    // All 8 x 8 pixels, centred on the display's middle.
    EXPECT_TRUE(testsupport::pixelsShow(*grab(), 316, 236, 324, 244, [](int, int) { return UColor(0, 200, 0, 255); }));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
    GLint mode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    EXPECT_EQ(GL_MODULATE, mode);
}

} // namespace
