#include "FileSizeLimit.h"
#include "FileTestSupport.h"
#include "MemoryImageFile.h"
#include "Point.h"
#include "Rect.h"

#include <algorithm>
#include <vector>

namespace {

// Red and green of pixel i set to values[i], blue 0, alpha 10i + 1.
void fillRedAndGreen(MemoryImageFile& image, const std::vector<int>& values)
{
    for (size_t i = 0; i < values.size(); ++i) {
        unsigned char* pixel = image.pImageData + i * 4;
        pixel[0] = pixel[1] = static_cast<unsigned char>(values[i]);
        pixel[2] = 0;
        pixel[3] = static_cast<unsigned char>(i * 10 + 1);
    }
}

std::vector<int> channel(const MemoryImageFile& image, int c)
{
    std::vector<int> values;
    for (int i = 0; i < image.width * image.height; ++i)
        values.push_back(image.pImageData[i * 4 + c]);
    return values;
}

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

TEST(MemoryImageFile, DamagedTgaIsRejectedAndLeavesTheImageAlone)
{
    const Bytes good = makeTGA(4, 4, true);
    auto changed = [&good](size_t offset, unsigned char value) {
        Bytes bytes = good;
        bytes[offset] = value;
        return bytes;
    };
    Bytes oversize = good;
    oversize[12] = oversize[13] = oversize[14] = oversize[15] = 0xFF;
    const std::pair<const char*, Bytes> cases[] = {
        {"pixels cut short", Bytes(good.begin(), good.end() - 1)},
        {"identification field past the end", changed(0, 255)},
        {"colour mapped", changed(1, 1)},
        {"run-length type", changed(2, 10)},
        {"zero width", changed(12, 0)},
        {"65535 x 65535", oversize},
    };
    for (const auto& [what, bytes] : cases) {
        MemoryImageFile image(2, 1);
        const unsigned char* before = image.pImageData;
        UString error;
        EXPECT_FALSE(image.decodeTGA(bytes.data(), bytes.size(), false, error)) << what;
        EXPECT_FALSE(error.empty()) << what;
        EXPECT_EQ(image.pImageData, before) << what;
    }
}

TEST(MemoryImageFile, JpegLargerThanTheLargestTextureIsRejected)
{
    ScratchFolder folder;
    MemoryImageFile original(8, 8);
    std::fill(original.pImageData, original.pImageData + 8 * 8 * 4, 128);
    UString saveError;
    ASSERT_TRUE(original.saveJPG(folder.file("x.jpg"), 80, saveError)) << saveError;
    Bytes bytes = readBytes(folder.file("x.jpg"));
    // The start-of-frame marker carries height and width after its length and precision.
    for (size_t i = 0; i + 8 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
            const unsigned char side16384[] = {0x40, 0x00, 0x40, 0x00};
            std::copy(side16384, side16384 + 4, bytes.begin() + i + 5);
            break;
        }
    MemoryImageFile image(1, 1);
    UString error;
    EXPECT_FALSE(image.decodeJPG(bytes.data(), bytes.size(), true, error));
    EXPECT_EQ(image.width, 1);
}

// A JPEG that cannot be written whole says why and leaves no file of its
// own: an earlier one at the name (a crash screenshot's) stays byte for byte,
// and no temporary file is left beside it.
TEST(MemoryImageFile, AJpegNotWrittenWholeLeavesTheFolderAsItWasAndSaysWhy)
{
    MemoryImageFile noise(256, 256);
    for (unsigned i = 0; i < 256 * 256 * 4; ++i)
        noise.pImageData[i] = static_cast<unsigned char>((i * 2654435761u) >> 24);
    const MemoryImageFile empty(0, 0);
    const char* earlier = "an earlier crash's screenshot";
    const struct {
        const char* what;
        const MemoryImageFile& image;
        rlim_t limit;
        const char* earlier;
        const char* reason;
    } cases[] = {
        {"noise past a file-size limit of 4 KB", noise, 4096, nullptr, "writing failed (File too large)"},
        {"the same over an earlier file", noise, 4096, earlier, "writing failed (File too large)"},
        {"an image of no pixels, refused by the encoder", empty, RLIM_INFINITY, earlier,
         "the encoder failed (Empty JPEG image"},
    };
    for (const auto& c : cases) {
        const ScratchFolder folder;
        const UString path = folder.file("crash.Glimmerdaledemo.jpg");
        if (c.earlier)
            writeWholeFile(path, c.earlier);
        const auto before = folderSnapshot(folder.path());
        UString error;
        bool saved;
        {
            const FileSizeLimit limit(c.limit);
            saved = c.image.saveJPG(path, 60, error);
        }
        EXPECT_FALSE(saved) << c.what;
        EXPECT_EQ(error.rfind(c.reason, 0), 0u) << c.what << ": " << error;
        EXPECT_EQ(folderSnapshot(folder.path()), before) << c.what;
    }
}

// Floyd-Steinberg: the cleared low bits go 7/16 right, 3/16 below left,
// 5/16 below and 1/16 below right, clamped at 255; alpha is left alone.
TEST(MemoryImageFile, DitheringDiffusesTheClearedBitsAndClampsAt255)
{
    struct Case { int width, height; bool fifteenBit; std::vector<int> input, expected; };
    const Case cases[] = {
        {2, 1, true, {7, 253}, {0, 248}},
        {3, 3, false, {15, 14, 13, 12, 11, 10, 9, 8, 255}, {0, 16, 0, 16, 0, 16, 0, 16, 240}},
    };
    for (const Case& c : cases) {
        MemoryImageFile image(c.width, c.height);
        fillRedAndGreen(image, c.input);
        c.fifteenBit ? image.ditherTo15Bit() : image.ditherTo12Bit();
        EXPECT_EQ(channel(image, 0), c.expected) << c.width << "x" << c.height;
        EXPECT_EQ(channel(image, 1), c.expected) << c.width << "x" << c.height;
        std::vector<int> alpha;
        for (size_t i = 0; i < c.input.size(); ++i)
            alpha.push_back(static_cast<int>(10 * i + 1));
        EXPECT_EQ(channel(image, 3), alpha) << c.width << "x" << c.height;
    }
}

TEST(MemoryImageFile, HalvingRoundsEachQuarterDownAndDropsOddEdges)
{
    MemoryImageFile image(5, 3);
    fillRedAndGreen(image, {1, 2, 9, 9, 50, 3, 4, 9, 9, 50, 77, 77, 77, 77, 77});
    image.halveSize();
    ASSERT_EQ(image.width, 2);
    ASSERT_EQ(image.height, 1);
    EXPECT_EQ(channel(image, 0), (std::vector<int>{1, 8})) << "1/4+2/4+3/4+4/4 = 1, not 10/4";
    EXPECT_EQ(channel(image, 1), (std::vector<int>{1, 8}));
    EXPECT_EQ(channel(image, 2), (std::vector<int>{0, 0}));
    // Alpha 1, 11, 51, 61 and 21, 31, 71, 81.
    EXPECT_EQ(channel(image, 3), (std::vector<int>{29, 49}));
}

TEST(MemoryImageFile, BlitCopiesTheSourceRectangleRowByRow)
{
    MemoryImageFile source(3, 3);
    fillRedAndGreen(source, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    MemoryImageFile target(4, 4);
    fillRedAndGreen(target, std::vector<int>(16, 0));
    const Rect corner(1, 1, 3, 3);
    const Point at(2, 1);
    target.blit(&source, &corner, &at);
    EXPECT_EQ(channel(target, 0), (std::vector<int>{0, 0, 0, 0, 0, 0, 5, 6, 0, 0, 8, 9, 0, 0, 0, 0}));
    // Alpha 10i + 1 of the pixel it came from.
    EXPECT_EQ(channel(target, 3),
              (std::vector<int>{1, 11, 21, 31, 41, 51, 41, 51, 81, 91, 71, 81, 121, 131, 141, 151}));
}

} // namespace
