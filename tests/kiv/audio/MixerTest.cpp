#include "AudioTestSupport.h"
#include "MixerChannel.h"

#include <gtest/gtest.h>

using namespace audiotest;

namespace {

constexpr int RATE = 22050;
constexpr int BUFFER_FRAMES = 256;

class MixerTest : public ::testing::Test {
protected:
    int startNew(MixerOGG* s, bool loop = false)
    {
        const int id = mixer.play(s, loop);
        mixer.start(id);
        return id;
    }
    // A fade time that is exactly frames output frames.
    double framesToSeconds(int frames) const { return (frames + 0.5) * mixer.secondsPerSample; }

    std::unique_ptr<MixerOGGstatic> source = rampSource(1000, RATE);
    Mixer mixer{deviceFormat(RATE, BUFFER_FRAMES)};
};

TEST_F(MixerTest, PanLawLowersOnlyTheFarSide)
{
    struct Case {
        float pan;          // argument of setPan, or a raw field value when raw is set
        bool raw;
        float left, right;  // gain factors
    };
    const Case cases[] = {
        {0.0f, false, 1.0f, 1.0f},  {0.5f, false, 0.5f, 1.0f},   {-0.25f, false, 1.0f, 0.75f},
        {-2.0f, false, 1.0f, 0.0f}, {1500.0f, true, 0.0f, 1.0f},
    };
    for (const Case& c : cases) {
        const int id = startNew(source.get());
        if (c.raw)
            mixer.getChannel(id)->pan = c.pan;
        else
            mixer.setPan(id, c.pan, 0.0);
        const std::vector<float> out = mixFrames(mixer, 1);
        EXPECT_FLOAT_EQ(out[0], c.left * rampLeft(0)) << "pan " << c.pan;
        EXPECT_FLOAT_EQ(out[1], -c.right * rampLeft(0)) << "pan " << c.pan;
        mixer.stop(id);
    }
}

// Looping sources are music, the others sound effects: each kind has its own
// master volume, and the channel's volume is clamped to 0..1 first.
TEST_F(MixerTest, VolumeTimesTheMasterOfItsKind)
{
    struct Case { float volume; bool loop; float soundMaster, musicMaster; float gain; };
    const Case cases[] = {
        {1.0f, true, 0.25f, 0.5f, 0.5f}, {1.0f, false, 0.25f, 0.5f, 0.25f}, {0.5f, false, 0.5f, 1.0f, 0.25f},
        {1.5f, false, 1.0f, 1.0f, 1.0f}, {-0.2f, true, 1.0f, 1.0f, 0.0f},
    };
    for (const Case& c : cases) {
        mixer.soundVolume = c.soundMaster;
        mixer.musicVolume = c.musicMaster;
        const int id = startNew(source.get(), c.loop);
        mixer.setVolume(id, c.volume, 0.0);
        const std::vector<float> out = mixFrames(mixer, 4);
        for (int i = 0; i < 4; ++i)
            EXPECT_FLOAT_EQ(out[2 * i], c.gain * rampLeft(i)) << "volume " << c.volume << " frame " << i;
        EXPECT_EQ(mixer.getChannel(id)->playCursor, 8) << "silent channels still advance";
        mixer.stop(id);
    }
}

TEST_F(MixerTest, VolumeFadeStepsEveryFrameAndEndsTheChannelAtSilence)
{
    const int id = startNew(source.get());
    mixer.setVolume(id, 0.0f, framesToSeconds(10));
    const std::vector<float> out = mixFrames(mixer, 16);
    for (int k = 0; k < 9; ++k)
        EXPECT_NEAR(out[2 * k], rampLeft(k) * (1.0f - (k + 1) / 10.0f), 1e-7f) << "frame " << k;
    for (int k = 9; k < 16; ++k)
        EXPECT_EQ(out[2 * k], 0.0f) << "the last step is not mixed";
    EXPECT_EQ(mixer.getChannel(id), nullptr);
}

// The device is opened for signed 16-bit samples: the mix is clamped to
// [-1, 1] and scaled by 32760.
TEST_F(MixerTest, MixIsClampedAndConvertedToSixteenBits)
{
    struct Case { float value; int16_t sample; };
    for (const Case& c : {Case{1.7f, 32760}, Case{-1.0f, -32760}, Case{0.5f, 16380}}) {
        std::fill(source->data, source->data + source->dataSize, c.value);
        const int id = startNew(source.get());
        int16_t stream[8];
        mixer.mix(reinterpret_cast<Uint8*>(stream), sizeof(stream));
        EXPECT_EQ(stream[0], c.sample) << c.value;
        mixer.stop(id);
    }
}

} // namespace
