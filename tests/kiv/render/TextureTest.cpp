#include "RenderTestSupport.h"

#include "Quad.h"
#include "QuadMosaic.h"
#include "Renderable.h"
#include "Texture.h"

#include <GL/gl.h>

namespace {

using namespace rendertest;

// Every pixel a colour of its own: red the column's low byte, green its high
// bits and the row, blue the row.
UColor codedPixel(int x, int y)
{
    return UColor(static_cast<uint8_t>(x & 0xFF), static_cast<uint8_t>((x >> 8) * 64 + (y & 0x3F)),
                  static_cast<uint8_t>(y & 0xFF), 255);
}

std::string writeCodedImage(const std::string& name, int width, int height)
{
    const std::string path = tempPath(name);
    writeTGA(path, width, height, testsupport::paint(width, height, codedPixel));
    return path;
}

// Draws the skin centred at the origin and checks every display pixel it
// covers against the image pixel that should show there (one unit = one
// pixel).
void expectImageDrawn(Skin* skin, int left, int top, int width, int height)
{
    Screen screen;
    screen.draw(skin);
    auto image = grab();
    const int screenLeft = 320 - width / 2, screenTop = 240 - height / 2;
    EXPECT_TRUE(testsupport::pixelsShow(*image, screenLeft, screenTop, screenLeft + width, screenTop + height,
                                        [&](int x, int y) {
                                            return codedPixel(left + x - screenLeft, top + y - screenTop);
                                        }))
        << "image from " << left << ", " << top;
}

struct Probe { float x, y; UColor color; };

void loseAndRestoreDisplay()
{
    pKiv->changeKIVmode(Kiv::MODE_DISPLAYLOST);
    pKiv->changeKIVmode(Kiv::MODE_OK);
}

// Skins are numbered in the file, anchored by their adjustment (y up) and,
// when a side is odd, half a pixel off so that they land on whole pixels.
// The texture is twice as wide as high (512 x 256).
TEST(TextureFile, SkinFileCutsFrames)
{
    const std::string path = writeCodedImage("frames.tga", 300, 64);
    writeWholeFile(path + ".ini", "[Skin 1]\nleft=64\ntop=0\nwidth=31\nheight=17\n"
                                  "[Skin 0]\nleft=10\ntop=20\nwidth=32\nheight=16\norigin_adjust_x=10\n"
                                  "origin_adjust_y=-4\n");
    Texture texture(path, Texture::TEXTURE_ALLOW_512);
    ASSERT_EQ(2u, texture.skins.size());
    Skin* first = texture.skins[0];
    EXPECT_TRUE(first->origin == V3(-10, -4, 0));
    EXPECT_FLOAT_EQ(17.0f, texture.skins[1]->height);
    EXPECT_TRUE(texture.skins[1]->origin == V3(-0.5f, 0.5f, 0));
    first->origin = V3(0, 0, 0);
    expectImageDrawn(first, 10, 20, 32, 16);
}

// Past the 256 x 256 a texture may hold, an image is cut into cells that
// share a pixel of border; every skin and the whole draw as the image did,
// also after the display was lost.
TEST(TextureMosaic, WideImageIsSplitOnXAndDrawnWhole)
{
    const std::string path = writeCodedImage("wide.tga", 300, 200);
    writeWholeFile(path + ".ini", "[Skin 0]\nleft=0\ntop=0\nwidth=300\nheight=200\n"
                                  "[Skin 1]\nleft=200\ntop=5\nwidth=100\nheight=50\n");
    Texture texture(path, 0);
    ASSERT_EQ(2, texture.subTextures->getChildCount());
    // Cells step by 254 columns; the second holds columns 253 to 299 from texel 0.
    const Rect& right = static_cast<QuadMosaic*>(texture.skins[0])->quads[1]->pixelRect;
    EXPECT_EQ(1, right.left);
    EXPECT_EQ(47, right.right);
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass == 0 ? "loaded" : "after the display was lost");
        expectImageDrawn(texture.skins[0], 0, 0, 300, 200);
        expectImageDrawn(texture.skins[1], 200, 5, 100, 50);
        loseAndRestoreDisplay();
    }
}

TEST(TextureMosaic, SkinOutsideTheImageIsReportedWithItsNames)
{
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    const std::string path = writeCodedImage("outside.tga", 300, 20);
    writeWholeFile(path + ".ini", "[Skin 0]\nleft=250\ntop=0\nwidth=80\nheight=10\n");
    EXPECT_EXIT(Texture texture(path, 0), ::testing::ExitedWithCode(255),
                "Skin 0 of texture '.*outside.tga' does not lie inside the image");
}

// Halved until it fits, the image keeps its size in the world.
TEST(TextureShrink, LargeImageIsHalvedUntilItFits)
{
    const std::string path = tempPath("halved.tga");
    writeTGA(path, 1024, 512, quadrants(1024, 512, RED, GREEN, BLUE, WHITE));
    Texture texture(path, Texture::TEXTURE_SHRINK_TO_FIT);
    EXPECT_EQ(4, texture.scaleFactor);
    Screen screen;
    screen.draw(texture.skins[0], V3(0.25f, 0.25f, 1.0f));
    auto image = grab();
    const Probe probes[] = {{-100, 50, RED}, {100, -50, WHITE}, {-100, -80, BLACK}, {140, 0, BLACK}};
    for (const Probe& p : probes)
        EXPECT_TRUE(pixelShows(p.color, worldPixel(*image, p.x, p.y), 8)) << p.x << ", " << p.y;
}

TEST(TextureFilter, AFilterChosenLaterReachesTexturesMadeBefore)
{
    // Red left half, blue right half, drawn 32 times as large: two pixels
    // left of the seam a filtered texture already blends in blue. Another
    // texture is the bound one when the filter changes.
    const std::string path = tempPath("halves.tga");
    writeTGA(path, 4, 4, quadrants(4, 4, RED, BLUE, RED, BLUE));
    Texture texture(path, 0);
    const Texture later(path, 0);
    KivGraphics& graphics = *pKiv->pGraphics;
    for (const bool bilinear : {true, false}) {
        graphics.changePresentationParameters(640, 480, false, bilinear, false);
        Screen screen;
        screen.draw(texture.skins[0], V3(32.0f, 32.0f, 1.0f));
        const UColor seen = worldPixel(*grab(), -2, 0);
        EXPECT_EQ(bilinear, seen.b > 64) << "bilinear " << bilinear << ": blue " << int(seen.b);
    }
}

TEST(TextureDisplayLoss, TexturesAreRecreatedAndReloadedWhenNextBound)
{
    Texture plain(writeCodedImage("plain.tga", 120, 80), 0);
    expectImageDrawn(plain.skins[0], 0, 0, 120, 80);
    loseAndRestoreDisplay();
    EXPECT_EQ(0u, plain.glTexHandle);
    EXPECT_EQ(Kiv::MODE_OK, pKiv->mode);
    expectImageDrawn(plain.skins[0], 0, 0, 120, 80);
    EXPECT_NE(0u, plain.glTexHandle);
}

} // namespace
