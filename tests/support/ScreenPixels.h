#pragma once
// Reading the drawn frame back in tests that draw through a 640 x 480 window
// (see WindowedEngine.h): the frame buffer, single pixels, colour
// comparisons with a tolerance for the software renderer's rounding and for
// the display's channel depth, every pixel of a rectangle against what it
// should show, and the contrast between two colours as a reader sees it.
#include "EveryIndex.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "MemoryImageFile.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <optional>

namespace testsupport {

// The frame buffer, top row first.
inline std::unique_ptr<MemoryImageFile> grab()
{
    UString failure;
    std::unique_ptr<MemoryImageFile> image(pKiv->pGraphics->grabScreen(&failure));
    EXPECT_EQ(failure, "");
    return image;
}

inline UColor pixelAt(const MemoryImageFile& image, int x, int y)
{
    const unsigned char* p = image.pImageData + (static_cast<size_t>(y) * image.width + x) * 4;
    return UColor(p[0], p[1], p[2], 255);
}

// The display pixel that shows the world point (x, y) on the plane z = 0
// through a default camera.
inline UColor worldPixel(const MemoryImageFile& image, float x, float y)
{
    return pixelAt(image, static_cast<int>(x + 320.0f), static_cast<int>(240.0f - y));
}

// How far red, green and blue may each be off.
struct ChannelTolerance {
    int r = 0, g = 0, b = 0;
};

// What a display whose channels hold these many bits adds to the error of
// a colour drawn on it: a channel of fewer than 8 bits (a 16-bit display's
// 5, 6 and 5) holds one of its own levels, not always the nearest (Mesa
// drops the low bits), so it may lie up to a level off; one of 8 bits or
// more holds the colour as drawn.
inline ChannelTolerance depthTolerance(int redBits, int greenBits, int blueBits)
{
    auto level = [](int bits) { return bits >= 8 ? 0 : (255 + (1 << bits) - 2) / ((1 << bits) - 1); };
    return {level(redBits), level(greenBits), level(blueBits)};
}

// The frame buffer's, by the depth OpenGL gives its channels.
inline ChannelTolerance frameBufferTolerance()
{
    GLint red = 0, green = 0, blue = 0;
    glGetIntegerv(GL_RED_BITS, &red);
    glGetIntegerv(GL_GREEN_BITS, &green);
    glGetIntegerv(GL_BLUE_BITS, &blue);
    return depthTolerance(red, green, blue);
}

// Compares red, green and blue, each off by at most its tolerance plus
// the tolerance all share.
inline ::testing::AssertionResult sameColor(UColor expected, UColor actual, int tolerance = 0,
                                            ChannelTolerance channels = {})
{
    auto near = [tolerance](int a, int b, int own) { return std::abs(a - b) <= tolerance + own; };
    if (near(expected.r, actual.r, channels.r) && near(expected.g, actual.g, channels.g) &&
        near(expected.b, actual.b, channels.b))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected (" << int(expected.r) << ", " << int(expected.g) << ", "
                                         << int(expected.b) << ") got (" << int(actual.r) << ", " << int(actual.g)
                                         << ", " << int(actual.b) << ")";
}

// Compares the colour drawn with a pixel read from the frame buffer: as
// sameColor, with the frame buffer's channel depth allowed for besides.
inline ::testing::AssertionResult pixelShows(UColor drawn, UColor pixel, int tolerance = 0)
{
    return sameColor(drawn, pixel, tolerance, frameBufferTolerance());
}

// Every pixel from (left, top) to (right, bottom), exclusive, top row 0,
// shows the colour expected(x, y) gives it, as pixelShows compares; a pixel
// expected to show nothing in particular (an edge shared by two colours) is
// not read.
inline ::testing::AssertionResult pixelsShow(const MemoryImageFile& image, int left, int top, int right, int bottom,
                                             const std::function<std::optional<UColor>(int x, int y)>& expected,
                                             int tolerance = 0)
{
    const ChannelTolerance channels = frameBufferTolerance();
    const int width = right - left;
    return everyIndex(static_cast<size_t>(std::max(width, 0) * std::max(bottom - top, 0)), [&](size_t i) {
        const int x = left + static_cast<int>(i) % width, y = top + static_cast<int>(i) / width;
        const std::optional<UColor> colour = expected(x, y);
        if (!colour)
            return ::testing::AssertionSuccess();
        ::testing::AssertionResult same = sameColor(*colour, pixelAt(image, x, y), tolerance, channels);
        if (!same)
            same << " at " << x << ", " << y;
        return same;
    });
}

// Where two frames of one size differ (by more than tolerance, and the
// channel's own, in a colour channel): the bounds in pixels, top row 0,
// right and bottom exclusive (left > right when nothing differs), and how
// many pixels.
struct FrameChange {
    int left = 0, top = 0, right = -1, bottom = -1;
    int pixels = 0;
};

inline FrameChange frameChange(const MemoryImageFile& before, const MemoryImageFile& after, int tolerance = 8,
                               ChannelTolerance channels = {})
{
    FrameChange change{after.width, after.height, 0, 0, 0};
    for (int y = 0; y < after.height; ++y)
        for (int x = 0; x < after.width; ++x)
            if (!sameColor(pixelAt(before, x, y), pixelAt(after, x, y), tolerance, channels)) {
                ++change.pixels;
                change.left = std::min(change.left, x);
                change.top = std::min(change.top, y);
                change.right = std::max(change.right, x + 1);
                change.bottom = std::max(change.bottom, y + 1);
            }
    return change;
}

// Relative luminance of an sRGB colour, 0 (black) to 1 (white), as the
// usual contrast measure for text defines it.
inline double relativeLuminance(UColor colour)
{
    auto linear = [](int byte) {
        const double c = byte / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.r) + 0.7152 * linear(colour.g) + 0.0722 * linear(colour.b);
}

// The contrast ratio of two colours, 1 (none) to 21 (black on white); 3 is
// the least for large text.
inline double contrastRatio(UColor a, UColor b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace testsupport
