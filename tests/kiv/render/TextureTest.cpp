#include "RenderTestSupport.h"

#include "Quad.h"
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

// Draws the skin centred at the origin and checks every few display pixels
// against the image pixel that should show there (one unit = one pixel).
void expectImageDrawn(Skin* skin, int left, int top, int width, int height)
{
    Screen screen;
    Renderable r;
    r.pSkin = skin;
    r.updateVisuals();
    r.render();
    auto image = grab();
    const int screenLeft = 320 - width / 2, screenTop = 240 - height / 2;
    int mismatches = 0;
    for (int y = 0; y < height; y += 3) {
        for (int x = 0; x < width; ++x) {
            if (!sameColor(codedPixel(left + x, top + y), pixelAt(*image, screenLeft + x, screenTop + y)) &&
                ++mismatches < 5)
                ADD_FAILURE() << "image pixel " << left + x << ", " << top + y;
        }
    }
    EXPECT_EQ(0, mismatches);
}

void loseAndRestoreDisplay()
{
    pKiv->changeKIVmode(Kiv::MODE_DISPLAYLOST);
    pKiv->changeKIVmode(Kiv::MODE_OK);
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
        Renderable r;
        r.pSkin = texture.skins[0];
        r.scale = V3(32.0f, 32.0f, 1.0f);
        r.updateVisuals();
        r.render();
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
