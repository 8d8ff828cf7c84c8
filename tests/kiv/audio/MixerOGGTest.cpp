#include "AudioTestSupport.h"
#include "MixerOGGstream.h"

#include <gtest/gtest.h>

using namespace audiotest;

namespace {

// Every float a stream hands out, chunk after chunk, until it ends or
// maxFloats have been collected.
std::vector<float> drainStream(MixerOGGstream& stream, size_t maxFloats)
{
    std::vector<float> out;
    int cursor = -1, max = -1;
    stream.rewind();
    while (out.size() < maxFloats && stream.refill(cursor, max)) {
        EXPECT_EQ(cursor, 0);
        EXPECT_LE(max, stream.dataCapacity);
        out.insert(out.end(), stream.data + cursor, stream.data + max);
        cursor = max;
    }
    return out;
}

TEST(MixerOGG, DecodesMonoAndStereoAtSeveralRates)
{
    struct Case { int channels; int rate; long frames; };
    const Case cases[] = {{1, 11025, 5000}, {2, 48000, 12345}};
    for (const Case& c : cases) {
        const std::vector<float> original = oggtest::sine(c.frames, c.channels, c.rate, 300.0);
        auto file = memoryFile(oggtest::encodeOgg(original, c.channels, c.rate));
        MixerOGGstatic sample(file.get(), false, 1);
        EXPECT_EQ(sample.rate, c.rate);
        EXPECT_EQ(sample.channels, c.channels);
        EXPECT_EQ(sample.length, c.frames) << "length counts samples per channel";
        ASSERT_EQ(sample.dataSize, 2 * c.frames);
        double errorSquares = 0.0;
        for (long i = 0; i < c.frames; ++i) {
            const float left = original[static_cast<size_t>(i * c.channels)];
            const float right = original[static_cast<size_t>(i * c.channels + c.channels - 1)];
            errorSquares += std::pow(sample.data[2 * i] - left, 2) + std::pow(sample.data[2 * i + 1] - right, 2);
            if (c.channels == 1) {
                ASSERT_EQ(sample.data[2 * i], sample.data[2 * i + 1]) << "mono plays on both sides at full level";
            }
        }
        EXPECT_LT(std::sqrt(errorSquares / (2.0 * c.frames)), 0.02) << c.channels << " channels at " << c.rate;
    }
}

TEST(MixerOGG, StreamedChunksMatchTheWholeDecode)
{
    for (int channels : {1, 2}) {
        const std::vector<unsigned char> bytes = oggtest::sineOgg(100000, channels, 44100);
        auto wholeFile = memoryFile(bytes);
        MixerOGGstatic whole(wholeFile.get(), false, 1);
        auto streamFile = memoryFile(bytes);
        MixerOGGstream stream(streamFile.get(), false, 1);
        EXPECT_EQ(stream.dataSize, 0) << "nothing is decoded before the first refill";
        const std::vector<float> streamed = drainStream(stream, 1u << 24);
        ASSERT_EQ(streamed.size(), static_cast<size_t>(whole.dataSize));
        EXPECT_TRUE(std::equal(streamed.begin(), streamed.end(), whole.data)) << channels << " channels";

        int cursor = stream.dataSize, max = stream.dataSize;
        EXPECT_FALSE(stream.refill(cursor, max)) << "an ended track stays ended";
        EXPECT_FALSE(stream.refill(cursor, max));
        EXPECT_EQ(cursor, max);
        EXPECT_EQ(drainStream(stream, 1u << 24).size(), streamed.size()) << "rewind plays it again";
    }
}

TEST(MixerOGG, MusicLoopsSeamlesslyThroughTheMixer)
{
    constexpr int rate = 22050;
    const std::vector<unsigned char> bytes = oggtest::sineOgg(5000, 2, rate, 523.0);
    auto wholeFile = memoryFile(bytes);
    MixerOGGstatic whole(wholeFile.get(), false, 1);
    auto streamFile = memoryFile(bytes);
    MixerOGGstream stream(streamFile.get(), true, 1);
    Mixer mixer(deviceFormat(rate, 1024));
    mixer.start(mixer.play(&stream, true));
    const int frames = whole.dataSize / 2;
    for (int buffer = 0; buffer < 12; ++buffer) {
        const std::vector<float> out = mixFrames(mixer, 1024);
        for (int i = 0; i < 1024; ++i) {
            const int frame = (buffer * 1024 + i) % frames;
            ASSERT_EQ(out[2 * i], whole.data[2 * frame]) << "buffer " << buffer << " frame " << i;
            ASSERT_EQ(out[2 * i + 1], whole.data[2 * frame + 1]) << "buffer " << buffer << " frame " << i;
        }
    }
}

TEST(MixerOGGDeathTest, RefusesWhatItCannotPlay)
{
    const std::vector<unsigned char> notOgg(4000, 'x');
    EXPECT_EXIT({
                    auto file = memoryFile(notOgg);
                    MixerOGGstatic sample(file.get(), false, 1);
                },
                ::testing::ExitedWithCode(255), "ov_open_callbacks\\(this, &vf, NULL, 0, cb\\)==0");
    const std::vector<unsigned char> fiveChannels = oggtest::sineOgg(1000, 5, 22050);
    EXPECT_EXIT({
                    auto file = memoryFile(fiveChannels);
                    MixerOGGstatic sample(file.get(), false, 1);
                },
                ::testing::ExitedWithCode(255), "Unhandled number of channels: 5");
    const std::vector<unsigned char> empty = oggtest::encodeOgg({}, 2, 22050);
    EXPECT_EXIT({
                    auto file = memoryFile(empty);
                    MixerOGGstream stream(file.get(), true, 1);
                    int cursor = -1;
                    int max = -1;
                    stream.refill(cursor, max);
                },
                ::testing::ExitedWithCode(255), "result>0");
}

} // namespace
