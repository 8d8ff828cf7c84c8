#include "RenderTestSupport.h"

#include "Renderable.h"
#include "StretchSkin.h"
#include "Texture.h"
#include "VStretchSkin.h"

namespace {

using namespace rendertest;

// A 48 x 48 frame image: a 16 pixel red border around a green centre.
std::unique_ptr<Texture> frameTexture()
{
    const std::string path = tempPath("frame.tga");
    writeTGA(path, 48, 48, testsupport::paint(48, 48, [](int x, int y) {
        return x < 16 || x >= 32 || y < 16 || y >= 32 ? RED : GREEN;
    }));
    return std::make_unique<Texture>(path, 0);
}

// A 20 x 40 gauge image: 10 red rows, 20 green rows, 10 blue rows.
std::unique_ptr<Texture> gaugeTexture()
{
    const std::string path = tempPath("gauge.tga");
    writeTGA(path, 20, 40, testsupport::paint(20, 40, [](int, int y) { return y < 10 ? RED : (y < 30 ? GREEN : BLUE); }));
    return std::make_unique<Texture>(path, 0);
}

void drawSkin(Skin* skin)
{
    Renderable r;
    r.pSkin = skin;
    r.updateVisuals();
    r.render();
}

TEST(StretchSkin, DrawnFrameKeepsItsBorderWidths)
{
    auto texture = frameTexture();
    Screen screen;
    StretchSkin frame(texture->skins[0]);
    frame.setBorders(16, 16, 16, 16);
    frame.setSize(200, 100);
    const int writes = pKiv->stats.vbufferWrites;
    drawSkin(&frame);
    EXPECT_EQ(writes, pKiv->stats.vbufferWrites) << "drawing in white rewrites nothing";
    auto image = grab();
    // Every pixel of the 200 x 100 frame and a band of 5 around it: the
    // border 16 wide on each side, all four corners with it.
    EXPECT_TRUE(testsupport::pixelsShow(*image, 215, 185, 425, 295, [](int x, int y) -> std::optional<UColor> {
        if (x < 220 || x >= 420 || y < 190 || y >= 290)
            return BLACK;
        return x < 236 || x >= 404 || y < 206 || y >= 274 ? RED : GREEN;
    }));
}

TEST(VStretchSkin, DrawnGaugeKeepsItsCaps)
{
    auto texture = gaugeTexture();
    Screen screen;
    VStretchSkin gauge;
    gauge.setSource(texture->skins[0], 10, 10);
    gauge.setHeight(200);
    drawSkin(&gauge);
    EXPECT_EQ(8, pKiv->stats.vertices);
    auto image = grab();
    // Every pixel of the 20 x 200 gauge and a band of 5 around it: caps 10
    // high at both ends.
    EXPECT_TRUE(testsupport::pixelsShow(*image, 305, 135, 335, 345, [](int x, int y) -> std::optional<UColor> {
        if (x < 310 || x >= 330 || y < 140 || y >= 340)
            return BLACK;
        return y < 150 ? RED : y < 330 ? GREEN : BLUE;
    }));
}

// The game sets the gauge's height every frame: the vertices are written only
// when it changes, and a first height of 0 (a new skin's) leaves every row at 0.
TEST(VStretchSkin, OnlyAChangedHeightWritesTheVertices)
{
    auto texture = gaugeTexture();
    VStretchSkin gauge;
    gauge.setSource(texture->skins[0], 10, 10);
    gauge.setHeight(0);
    for (int i = 0; i < 8; ++i)
        EXPECT_FLOAT_EQ(0.0f, gauge.vertexBuffer.vertices[i].y);
    gauge.setHeight(200);
    const int writes = pKiv->stats.vbufferWrites;
    gauge.setHeight(200);
    EXPECT_EQ(writes, pKiv->stats.vbufferWrites);
}

} // namespace
