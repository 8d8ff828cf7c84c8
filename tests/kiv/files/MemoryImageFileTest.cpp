#include "FileTestSupport.h"
#include "MemoryImageFile.h"

#include <cstring>

namespace {

const unsigned char* pixelAt(const MemoryImageFile& image, int x, int y)
{
    return image.pImageData + (static_cast<size_t>(y) * image.width + x) * 4;
}

void fillRed(MemoryImageFile& image, const std::vector<int>& reds)
{
    ASSERT_EQ(reds.size(), static_cast<size_t>(image.width * image.height));
    for (size_t i = 0; i < reds.size(); ++i) {
        image.pImageData[i * 4 + 0] = static_cast<unsigned char>(reds[i]);
        image.pImageData[i * 4 + 1] = static_cast<unsigned char>(reds[i]);
        image.pImageData[i * 4 + 2] = 0;
        image.pImageData[i * 4 + 3] = static_cast<unsigned char>(i * 10 + 1);
    }
}

std::vector<int> reds(const MemoryImageFile& image)
{
    std::vector<int> values;
    for (int i = 0; i < image.width * image.height; ++i)
        values.push_back(image.pImageData[i * 4]);
    return values;
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

TEST(MemoryImageFile, DamagedJpegIsRejectedWithoutEndingTheProcess)
{
    ScratchFolder folder;
    MemoryImageFile original(8, 8);
    std::memset(original.pImageData, 128, 8 * 8 * 4);
    ASSERT_TRUE(original.saveJPG(folder.file("x.jpg"), 80));
    Bytes good = readBytes(folder.file("x.jpg"));
    Bytes hugeSize = good;
    // The start-of-frame marker carries height and width after its length and precision.
    for (size_t i = 0; i + 8 < hugeSize.size(); ++i)
        if (hugeSize[i] == 0xFF && hugeSize[i + 1] == 0xC0) {
            hugeSize[i + 5] = hugeSize[i + 6] = hugeSize[i + 7] = hugeSize[i + 8] = 0xFF;
            break;
        }
    const std::pair<const char*, Bytes> cases[] = {
        {"text", Bytes{'h', 'e', 'l', 'l', 'o'}},
        {"cut in half", Bytes(good.begin(), good.begin() + good.size() / 2)},
        {"65535 x 65535", hugeSize},
    };
    for (const auto& c : cases) {
        MemoryImageFile image(1, 1);
        UString error;
        EXPECT_FALSE(image.decodeJPG(c.second.data(), c.second.size(), false, error)) << c.first;
        EXPECT_FALSE(error.empty()) << c.first;
        EXPECT_EQ(image.width, 1) << c.first;
    }
}

TEST(MemoryImageFile, HalvingRoundsEachQuarterDownAndDropsOddEdges)
{
    MemoryImageFile image(5, 3);
    fillRed(image, {1, 2, 9, 9, 50, 3, 4, 9, 9, 50, 77, 77, 77, 77, 77});
    image.halveSize();
    ASSERT_EQ(image.width, 2);
    ASSERT_EQ(image.height, 1);
    EXPECT_EQ(reds(image), (std::vector<int>{1, 8})) << "1/4+2/4+3/4+4/4 = 1, not 10/4";
    EXPECT_EQ(image.pImageData[3], 1 / 4 + 11 / 4 + 51 / 4 + 61 / 4);
}

} // namespace
