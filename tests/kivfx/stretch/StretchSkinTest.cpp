#include "RenderTestSupport.h"

#include "Quad.h"
#include "Renderable.h"
#include "StretchSkin.h"
#include "Texture.h"
#include "VStretchSkin.h"

namespace {

using namespace rendertest;

// A 48 x 48 frame image: a 16 pixel red border around a green centre.
std::unique_ptr<Texture> frameTexture()
{
    std::vector<UColor> pixels;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x)
            pixels.push_back(x < 16 || x >= 32 || y < 16 || y >= 32 ? RED : GREEN);
    const std::string path = tempPath("frame.tga");
    writeTGA(path, 48, 48, pixels);
    return std::make_unique<Texture>(path, 0);
}

// A 20 x 40 gauge image: 10 red rows, 20 green rows, 10 blue rows.
std::unique_ptr<Texture> gaugeTexture()
{
    std::vector<UColor> pixels;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 20; ++x)
            pixels.push_back(y < 10 ? RED : (y < 30 ? GREEN : BLUE));
    const std::string path = tempPath("gauge.tga");
    writeTGA(path, 20, 40, pixels);
    return std::make_unique<Texture>(path, 0);
}

void drawSkin(Skin* skin)
{
    Renderable r;
    r.pSkin = skin;
    r.updateVisuals();
    r.render();
}

TEST(StretchSkin, BordersKeepTheirSizeAndTheCentreStretches)
{
    auto texture = frameTexture();
    StretchSkin frame(texture->skins[0]);
    frame.setBorders(16, 16, 16, 16);
    EXPECT_FLOAT_EQ(48.0f, frame.width) << "setBorders sizes the frame like its source";
    frame.setSize(100, 50);
    const VertexBuffer::Vertex* v = frame.vertexBuffer.vertices;
    const float columns[4] = {-50, -34, 34, 50};
    const float rows[4] = {25, 9, -9, -25};
    for (int band = 0; band < 3; ++band) {
        for (int column = 0; column < 4; ++column) {
            for (int edge = 0; edge < 2; ++edge) {
                const VertexBuffer::Vertex& vertex = v[8 * band + 2 * column + edge];
                EXPECT_FLOAT_EQ(columns[column], vertex.x);
                EXPECT_FLOAT_EQ(rows[band + edge], vertex.y);
                EXPECT_FLOAT_EQ(0.0f, vertex.z);
            }
        }
    }
    EXPECT_FLOAT_EQ(16.0f / 256, v[2].u) << "inner left edge";
    EXPECT_FLOAT_EQ(32.0f / 256, v[4].u) << "inner right edge";
    EXPECT_FLOAT_EQ(16.0f / 256, v[1].v) << "inner top edge";
}

TEST(StretchSkin, HeightZeroMeansTheSourceHeight)
{
    auto texture = frameTexture();
    StretchSkin frame(texture->skins[0]);
    frame.setBorders(0, 0, 0, 0);
    const Quad* source = static_cast<Quad*>(texture->skins[0]);
    EXPECT_FLOAT_EQ(source->uvRect.left, frame.inner.left);
    EXPECT_FLOAT_EQ(source->uvRect.right, frame.inner.right);
    EXPECT_FLOAT_EQ(source->uvRect.top, frame.inner.top);
    EXPECT_FLOAT_EQ(source->uvRect.bottom, frame.inner.bottom);
    frame.setSize(200, 0);
    EXPECT_FLOAT_EQ(200.0f, frame.width);
    EXPECT_FLOAT_EQ(48.0f, frame.height);
}

TEST(StretchSkin, DrawsOneBandWithoutTopAndBottomBorders)
{
    auto texture = frameTexture();
    struct Case {
        int top, bottom, vertices;
    };
    for (const Case& c : {Case{0, 0, 8}, Case{4, 0, 24}, Case{0, 4, 24}}) {
        Screen screen;
        StretchSkin frame(texture->skins[0]);
        frame.setBorders(16, c.top, c.bottom, 16);
        drawSkin(&frame);
        EXPECT_EQ(c.vertices, pKiv->stats.vertices) << c.top << " " << c.bottom;
    }
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
    struct Probe {
        float x, y;
        UColor color;
    };
    const Probe probes[] = {{-95, 0, RED},   {-80, 0, GREEN}, {80, 0, GREEN},  {95, 0, RED},  {0, 45, RED},
                            {0, 30, GREEN},  {0, -45, RED},   {-95, 45, RED},  {0, 0, GREEN}, {-105, 0, BLACK},
                            {0, 55, BLACK}};
    for (const Probe& p : probes)
        EXPECT_TRUE(sameColor(p.color, worldPixel(*image, p.x, p.y))) << p.x << ", " << p.y;
}

TEST(VStretchSkin, RowsFollowTheHeight)
{
    std::vector<UColor> pixels(20 * 100, WHITE);
    const std::string path = tempPath("tall.tga");
    writeTGA(path, 20, 100, pixels);
    Texture texture(path, 0);
    VStretchSkin gauge;
    gauge.setSource(texture.skins[0], 12, 41);
    EXPECT_FLOAT_EQ(20.0f, gauge.width);
    const int writes = pKiv->stats.vbufferWrites;
    gauge.setHeight(100);
    gauge.setHeight(100);
    EXPECT_EQ(writes + 1, pKiv->stats.vbufferWrites) << "the same height is written once";
    const float rows[4] = {50, 38, -9, -50};
    for (int row = 0; row < 4; ++row) {
        EXPECT_FLOAT_EQ(rows[row], gauge.vertexBuffer.vertices[2 * row].y);
        EXPECT_FLOAT_EQ(-10.0f, gauge.vertexBuffer.vertices[2 * row].x);
        EXPECT_FLOAT_EQ(10.0f, gauge.vertexBuffer.vertices[2 * row + 1].x);
    }
    EXPECT_FLOAT_EQ(12.0f / 256, gauge.vertexBuffer.vertices[2].v);
    EXPECT_FLOAT_EQ(59.0f / 256, gauge.vertexBuffer.vertices[4].v);
}

TEST(VStretchSkin, FirstHeightOfZeroLeavesEveryRowAtZero)
{
    auto texture = gaugeTexture();
    VStretchSkin gauge;
    gauge.setSource(texture->skins[0], 10, 10);
    gauge.setHeight(0);
    for (int i = 0; i < 8; ++i)
        EXPECT_FLOAT_EQ(0.0f, gauge.vertexBuffer.vertices[i].y);
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
    struct Probe {
        float y;
        UColor color;
    };
    for (const Probe& p : {Probe{95, RED}, Probe{85, GREEN}, Probe{0, GREEN}, Probe{-85, GREEN}, Probe{-95, BLUE},
                           Probe{105, BLACK}})
        EXPECT_TRUE(sameColor(p.color, worldPixel(*image, 0, p.y))) << p.y;
    EXPECT_TRUE(sameColor(BLACK, worldPixel(*image, 12, 0)));
}

} // namespace
