#include "RenderTestSupport.h"

#include "Point.h"
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
    std::vector<UColor> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(codedPixel(x, y));
    const std::string path = tempPath(name);
    writeTGA(path, width, height, pixels);
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

TEST(TextureFile, FittingImageIsUploadedWhole)
{
    Texture texture(writeCodedImage("small.tga", 100, 60), 0);
    EXPECT_EQ(256, texture.realWidth);
    EXPECT_EQ(256, texture.width);
    EXPECT_EQ(100, texture.requestedWidth);
    EXPECT_EQ(0, texture.subTextures->getChildCount());
    ASSERT_EQ(1u, texture.skins.size());
    Quad* whole = static_cast<Quad*>(texture.skins[0]);
    EXPECT_FLOAT_EQ(100.0f, whole->width);
    EXPECT_FLOAT_EQ(60.0f, whole->height);
    EXPECT_TRUE(whole->origin == V3(0, 0, 0));
    expectImageDrawn(whole, 0, 0, 100, 60);
}

TEST(TextureFile, SkinFileCutsFrames)
{
    const std::string path = writeCodedImage("frames.tga", 128, 64);
    writeWholeFile(path + ".ini", "[Skin 1]\nleft=64\ntop=0\nwidth=31\nheight=17\n"
                             "[Skin 0]\nleft=10\ntop=20\nwidth=32\nheight=16\norigin_adjust_x=10\norigin_adjust_y=-4\n");
    Texture texture(path, 0);
    ASSERT_EQ(2u, texture.skins.size());
    Quad* first = static_cast<Quad*>(texture.skins[0]);
    Quad* second = static_cast<Quad*>(texture.skins[1]);
    EXPECT_FLOAT_EQ(32.0f, first->width);
    EXPECT_FLOAT_EQ(16.0f, first->height);
    EXPECT_TRUE(first->origin == V3(-10, -4, 0));
    EXPECT_FLOAT_EQ(10.0f / 256, first->uvRect.left);
    EXPECT_FLOAT_EQ(36.0f / 256, first->uvRect.bottom);
    EXPECT_TRUE(second->origin == V3(-0.5f, 0.5f, 0));
    first->origin = V3(0, 0, 0);
    expectImageDrawn(first, 10, 20, 32, 16);
}

TEST(TextureFile, SkinFileWithoutSectionsGivesNoSkins)
{
    const std::string path = writeCodedImage("empty-ini.tga", 16, 16);
    writeWholeFile(path + ".ini", "\n");
    Texture texture(path, 0);
    EXPECT_TRUE(texture.skins.empty());
}

TEST(TextureMosaic, WideImageIsSplitOnXWithSharedEdges)
{
    const std::string path = writeCodedImage("wide.tga", 300, 200);
    writeWholeFile(path + ".ini", "[Skin 0]\nleft=0\ntop=0\nwidth=300\nheight=200\n"
                             "[Skin 1]\nleft=10\ntop=5\nwidth=100\nheight=50\n"
                             "[Skin 2]\nleft=200\ntop=0\nwidth=54\nheight=10\n");
    Texture texture(path, 0);
    ASSERT_EQ(2, texture.subTextures->getChildCount());
    ASSERT_EQ(3u, texture.skins.size());
    QuadMosaic* whole = static_cast<QuadMosaic*>(texture.skins[0]);
    EXPECT_EQ(2, whole->columns);
    EXPECT_EQ(1, whole->rows);
    EXPECT_FLOAT_EQ(300.0f, whole->width);
    EXPECT_FLOAT_EQ(200.0f, whole->height);
    const Rect& right = whole->quads[1]->pixelRect;
    EXPECT_EQ(1, right.left);
    EXPECT_EQ(47, right.right);
    EXPECT_EQ(1, static_cast<QuadMosaic*>(texture.skins[1])->quadCount) << "inside one cell";
    EXPECT_EQ(1, static_cast<QuadMosaic*>(texture.skins[2])->quadCount) << "ends exactly on the cell edge";
    expectImageDrawn(whole, 0, 0, 300, 200);
    whole->vertexBuffer.setColor(UColor(1, 2, 3, 4), true);
    expectImageDrawn(texture.skins[1], 10, 5, 100, 50);
}

TEST(TextureMosaic, TallAndWideImageIsSplitBothWays)
{
    Texture texture(writeCodedImage("big.tga", 520, 300), 0);
    EXPECT_EQ(6, texture.subTextures->getChildCount()) << "three columns of 254 and two rows of 254";
    QuadMosaic* whole = static_cast<QuadMosaic*>(texture.skins[0]);
    EXPECT_EQ(3, whole->columns);
    EXPECT_EQ(2, whole->rows);
    expectImageDrawn(whole, 0, 0, 520, 300);
}

TEST(TextureMosaic, DeletingFreesEverySubTextureAndCellOnce)
{
    const int before = pKiv->getRegisteredObjectCount();
    {
        Texture texture(writeCodedImage("freed.tga", 520, 300), 0);
        EXPECT_GT(pKiv->getRegisteredObjectCount(), before + 6);
    }
    EXPECT_EQ(before, pKiv->getRegisteredObjectCount());
}

TEST(TextureMosaic, SkinOutsideTheImageIsReportedWithItsNames)
{
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    const std::string path = writeCodedImage("outside.tga", 300, 20);
    writeWholeFile(path + ".ini", "[Skin 0]\nleft=250\ntop=0\nwidth=80\nheight=10\n");
    EXPECT_EXIT(Texture texture(path, 0), ::testing::ExitedWithCode(255), "Skin 0 of texture '.*outside.tga' does not lie inside the image");
}

TEST(TextureShrink, LargeImageIsHalvedUntilItFits)
{
    const std::string path = tempPath("halved.tga");
    writeTGA(path, 1024, 512, quadrants(1024, 512, RED, GREEN, BLUE, WHITE));
    Texture texture(path, Texture::TEXTURE_SHRINK_TO_FIT);
    EXPECT_EQ(4, texture.scaleFactor);
    EXPECT_EQ(1024, texture.width);
    EXPECT_EQ(1024, texture.height);
    EXPECT_EQ(256, texture.realWidth);
    Quad* whole = static_cast<Quad*>(texture.skins[0]);
    EXPECT_FLOAT_EQ(1024.0f, whole->width);
    EXPECT_FLOAT_EQ(512.0f, whole->height);
    Renderable r;
    r.pSkin = whole;
    r.scale = V3(0.5f, 0.5f, 1.0f);
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass == 0 ? "loaded" : "after the display was lost");
        Screen screen;
        r.updateVisuals();
        r.render();
        auto image = grab();
        // Each halving rounds every quarter down.
        EXPECT_TRUE(sameColor(RED, worldPixel(*image, -100, 50), 8));
        EXPECT_TRUE(sameColor(WHITE, worldPixel(*image, 100, -50), 8));
        loseAndRestoreDisplay();
        EXPECT_EQ(0u, texture.glTexHandle);
    }
    EXPECT_EQ(4, texture.scaleFactor);
}

TEST(TextureDisplayLoss, TexturesAreRecreatedAndReloadedWhenNextBound)
{
    Texture plain(writeCodedImage("plain.tga", 120, 80), 0);
    Texture mosaic(writeCodedImage("mosaic.tga", 300, 120), 0);
    expectImageDrawn(plain.skins[0], 0, 0, 120, 80);
    loseAndRestoreDisplay();
    EXPECT_EQ(0u, plain.glTexHandle);
    EXPECT_EQ(0u, mosaic.glTexHandle);
    EXPECT_EQ(Kiv::MODE_OK, pKiv->mode);
    expectImageDrawn(plain.skins[0], 0, 0, 120, 80);
    expectImageDrawn(mosaic.skins[0], 0, 0, 300, 120);
    EXPECT_NE(0u, plain.glTexHandle);
    EXPECT_NE(0u, mosaic.glTexHandle);
}

TEST(TextureDisplayLoss, EmptyTextureKeepsItsSavedImage)
{
    Texture page(64, 32, Texture::TEXTURE_KEEP_SOURCE);
    ASSERT_NE(nullptr, page.pSavedSourceData);
    EXPECT_EQ(256, page.pSavedSourceData->width);
    EXPECT_TRUE(page.name.empty());
    page.clear(nullptr, true);
    loseAndRestoreDisplay();
    page.bind();
    EXPECT_NE(0u, page.glTexHandle);
    ASSERT_EQ(1u, page.skins.size());
    EXPECT_FLOAT_EQ(64.0f, page.skins[0]->width);
    EXPECT_FLOAT_EQ(32.0f, page.skins[0]->height);
}

TEST(TextureAllocation, WithoutSimulationSizesArePowersOfTwo)
{
    KivGraphics& g = *pKiv->pGraphics;
    g.bSimulate256x256TextureHW = false;
    Texture texture(writeCodedImage("pow2.tga", 300, 200), 0);
    g.bSimulate256x256TextureHW = true;
    EXPECT_EQ(512, texture.realWidth);
    EXPECT_EQ(256, texture.realHeight);
    EXPECT_EQ(0, texture.subTextures->getChildCount());
    expectImageDrawn(texture.skins[0], 0, 0, 300, 200);
}

TEST(TextureAllocation, Allow512KeepsUpTo512PerSide)
{
    Texture texture(writeCodedImage("allow512.tga", 300, 100), Texture::TEXTURE_ALLOW_512);
    EXPECT_EQ(512, texture.realWidth);
    EXPECT_EQ(256, texture.realHeight);
    expectImageDrawn(texture.skins[0], 0, 0, 300, 100);
}

TEST(TextureDither, OnlyLowDepthDisplaysWithAKnownDepthDither)
{
    struct Case {
        int displayDepth, ditherDepth;
        bool bDithered;
    };
    const Case cases[] = {{32, 15, false}, {16, 16, false}, {16, 15, true}, {16, 12, true}};
    const std::string path = tempPath("dim.tga");
    writeTGA(path, 8, 8, std::vector<UColor>(64, UColor(3, 3, 3, 255)));
    KivGraphics& g = *pKiv->pGraphics;
    const int depth = g.displayDepth;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.displayDepth * 100 + c.ditherDepth);
        g.displayDepth = c.displayDepth;
        pKiv->ditherDepth = c.ditherDepth;
        Texture texture(path, Texture::TEXTURE_KEEP_SOURCE);
        EXPECT_EQ(c.bDithered ? 0 : 3, texture.pSavedSourceData->pImageData[0]);
    }
    g.displayDepth = depth;
    pKiv->ditherDepth = 0;
}

TEST(TextureBind, CountsEachTextureOncePerFrame)
{
    Texture texture(writeCodedImage("counted.tga", 16, 16), 0);
    Screen screen;
    texture.bind();
    texture.bind();
    EXPECT_EQ(1, pKiv->stats.texturesUsed);
    EXPECT_EQ(65536, pKiv->stats.texelsUsed);
}

TEST(TextureClear, NeedsASavedImage)
{
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    Texture texture(16, 16, 0);
    EXPECT_EXIT(texture.clear(nullptr, false), ::testing::ExitedWithCode(255), "");
}

TEST(TextureFactory, DefaultConstructionIsFatal)
{
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(Texture::classRecord.factory(), ::testing::ExitedWithCode(255), "");
}

} // namespace
