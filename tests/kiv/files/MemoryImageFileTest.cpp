#include "FileTestSupport.h"
#include "MemoryImageFile.h"

namespace {

const unsigned char* pixelAt(const MemoryImageFile& image, int x, int y)
{
    return image.pImageData + (static_cast<size_t>(y) * image.width + x) * 4;
}

TEST(MemoryImageFile, TgaOfEitherOriginLoadsTopRowFirstAsRGBA)
{
    ScratchFolder folder;
    for (bool topOrigin : {false, true}) {
        UString name = folder.file(topOrigin ? "top.tga" : "bottom.tga");
        writeBytes(name, makeTGA(5, 3, topOrigin, topOrigin ? 4 : 0));
        MemoryImageFile image(name, false);
        ASSERT_EQ(image.width, 5);
        ASSERT_EQ(image.height, 3);
        EXPECT_TRUE(image.hasAlpha);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) {
                const unsigned char* p = pixelAt(image, x, y);
                EXPECT_EQ(p[0], 10 * x + y) << "top origin " << topOrigin << " at " << x << "," << y;
                EXPECT_EQ(p[1], 100 + y);
                EXPECT_EQ(p[2], 200 - x);
                EXPECT_EQ(p[3], 7 * x + 3 * y);
            }
    }
}

} // namespace
