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

TEST(MemoryImageFile, DamagedTgaIsRejectedAndLeavesImageAlone)
{
    struct Case { const char* what; Bytes bytes; };
    Bytes good = makeTGA(4, 4, true);
    auto changed = [&](size_t offset, unsigned char value) {
        Bytes bytes = good;
        bytes[offset] = value;
        return bytes;
    };
    Bytes oversize = good;
    oversize[12] = oversize[13] = oversize[14] = oversize[15] = 0xFF;
    Bytes longId = good;
    longId[0] = 255;
    const Case cases[] = {
        {"header cut short", Bytes(good.begin(), good.begin() + 17)},
        {"pixels cut short", Bytes(good.begin(), good.end() - 1)},
        {"run-length type", changed(2, 10)},
        {"24 bits", changed(16, 24)},
        {"65535 x 65535", oversize},
        {"identification field past the end", longId},
    };
    for (const Case& c : cases) {
        MemoryImageFile image(2, 1);
        unsigned char* before = image.pImageData;
        UString error;
        EXPECT_FALSE(image.decodeTGA(c.bytes.data(), c.bytes.size(), false, error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
        EXPECT_EQ(image.width, 2) << c.what;
        EXPECT_EQ(image.pImageData, before) << c.what;
    }
}

} // namespace
