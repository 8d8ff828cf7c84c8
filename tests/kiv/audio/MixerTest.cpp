#include "AudioTestSupport.h"
#include "EveryIndex.h"
#include "MixerChannel.h"
#include "MixerOGGstream.h"

#include <gtest/gtest.h>

using namespace audiotest;
using testsupport::everyIndex;

namespace {

constexpr int RATE = 22050;
constexpr int BUFFER_FRAMES = 256;

// Which ramp frame each of the first count mixed frames came from; -100
// where its right side is not the mirror of its left (not of that frame).
std::vector<int> framesPlayed(const std::vector<float>& mix, int count)
{
    std::vector<int> frames;
    for (int i = 0; i < count; ++i)
        frames.push_back(mix[2 * i + 1] == -mix[2 * i] ? static_cast<int>(std::lround(mix[2 * i] * 65536.0f)) - 1
                                                        : -100);
    return frames;
}

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
        const std::vector<float> out = mixFrames(mixer, 8);
        EXPECT_TRUE(everyIndex(8, [&](size_t i) {
            return out[2 * i] == c.left * rampLeft(i) && out[2 * i + 1] == -c.right * rampLeft(i);
        })) << "pan " << c.pan;
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
        for (int i = 0; i < 4; ++i) {
            EXPECT_FLOAT_EQ(out[2 * i], c.gain * rampLeft(i)) << "volume " << c.volume << " frame " << i;
            EXPECT_FLOAT_EQ(out[2 * i + 1], -c.gain * rampLeft(i)) << "volume " << c.volume << " frame " << i;
        }
        EXPECT_EQ(mixer.getChannel(id)->playCursor, 8) << "silent channels still advance";
        mixer.stop(id);
    }
}

TEST_F(MixerTest, FrequencySetsTheStepThroughTheSource)
{
    struct Case { float frequency; std::vector<int> frames; };
    const Case cases[] = {
        {22050.0f, {0, 1, 2, 3}}, {11025.0f, {0, 0, 1, 1}}, {44100.0f, {0, 2, 4, 6}},
        {-22050.0f, {0, 0, 0, 0}}, // holds instead of reading before the data
    };
    for (const Case& c : cases) {
        const int id = startNew(source.get());
        mixer.setFrequency(id, c.frequency, 0.0);
        EXPECT_EQ(framesPlayed(mixFrames(mixer, 4), 4), c.frames) << "frequency " << c.frequency;
        mixer.stop(id);
    }
}

TEST_F(MixerTest, UnstartedChannelWaitsAndAnEndedOneIsFreedByTheMainThread)
{
    auto shortSource = rampSource(100, RATE);
    const int id = mixer.play(shortSource.get(), false);
    EXPECT_EQ(framesPlayed(mixFrames(mixer, 2), 2), (std::vector<int>{-1, -1})) << "not started yet";
    mixer.start(id);
    const std::vector<int> frames = framesPlayed(mixFrames(mixer, BUFFER_FRAMES), BUFFER_FRAMES);
    for (int i = 0; i < BUFFER_FRAMES; ++i)
        ASSERT_EQ(frames[i], i < 100 ? i : -1) << "output frame " << i;
    EXPECT_EQ(mixer.getChannel(id), nullptr);
    EXPECT_EQ(mixer.getChildCount(), 1) << "ended channels wait for the main thread";
    mixer.update();
    EXPECT_EQ(mixer.getChildCount(), 0);
}

TEST_F(MixerTest, LoopingSampleWrapsWithoutAGap)
{
    auto loopSource = rampSource(100, RATE, true);
    const int id = startNew(loopSource.get());
    const std::vector<int> frames = framesPlayed(mixFrames(mixer, BUFFER_FRAMES), BUFFER_FRAMES);
    for (int i = 0; i < BUFFER_FRAMES; ++i)
        ASSERT_EQ(frames[i], i % 100) << "output frame " << i;
    EXPECT_TRUE(mixer.isPlaying(id));
}

TEST_F(MixerTest, VolumeFadeStepsEveryFrameAndEndsTheChannelAtSilence)
{
    const int id = startNew(source.get());
    mixer.setVolume(id, 0.0f, framesToSeconds(10));
    const std::vector<float> out = mixFrames(mixer, 16);
    for (int k = 0; k < 9; ++k) {
        EXPECT_NEAR(out[2 * k], rampLeft(k) * (1.0f - (k + 1) / 10.0f), 1e-7f) << "frame " << k;
        EXPECT_EQ(out[2 * k + 1], -out[2 * k]) << "frame " << k;
    }
    for (int k = 9; k < 16; ++k)
        EXPECT_TRUE(out[2 * k] == 0.0f && out[2 * k + 1] == 0.0f) << "the last step is not mixed";
    EXPECT_EQ(mixer.getChannel(id), nullptr);
}

TEST_F(MixerTest, FadeTimesBecomeFrameCounts)
{
    struct Case { double seconds; int frames; float volumeAfterMixing; };
    const Case cases[] = {
        {0.5, 11025, 1000.0f - 4 * 750.0f / 11025}, {0.00001, 0, 250.0f}, // shorter than a frame: at once
        {-1.0, -22050, 1000.0f},                                          // never steps
    };
    for (const Case& c : cases) {
        const int id = startNew(source.get());
        mixer.setVolume(id, 0.25f, c.seconds);
        EXPECT_EQ(mixer.getChannel(id)->volumeFrames, c.frames) << c.seconds;
        mixFrames(mixer, 4);
        EXPECT_FLOAT_EQ(mixer.getChannel(id)->volume, c.volumeAfterMixing) << c.seconds;
        mixer.stop(id);
    }
}

TEST_F(MixerTest, SetPositionStaysInsideTheDataOnAFrameBoundary)
{
    auto odd = rampSource(501, RATE); // playMax 1002
    struct Case { float fraction; int cursor; };
    for (const Case& c : {Case{0.5f, 500}, Case{-1.0f, 0}, Case{2.0f, 1002}, Case{NAN, 0}}) {
        const int id = mixer.play(odd.get(), false);
        mixer.setPosition(id, c.fraction);
        EXPECT_EQ(mixer.getChannel(id)->playCursor, c.cursor) << "fraction " << c.fraction;
        mixer.stop(id);
    }
}

TEST_F(MixerTest, PlayDropsTheOldestChannelOfTheSamePastMaxPlaybacks)
{
    struct Case { int maxPlaybacks; int plays; std::vector<int> liveIds; };
    for (const Case& c : {Case{3, 4, {2, 3, 4}}, Case{0, 3, {3}}}) {
        Mixer fresh(deviceFormat(RATE, BUFFER_FRAMES));
        auto limited = rampSource(100, RATE, false, c.maxPlaybacks);
        auto other = rampSource(100, RATE);
        fresh.play(other.get(), false);
        for (int i = 0; i < c.plays; ++i)
            fresh.play(limited.get(), false);
        std::vector<int> live;
        for (int id = 1; id <= c.plays; ++id)
            if (fresh.getChannel(id))
                live.push_back(id);
        EXPECT_EQ(live, c.liveIds) << "maxPlaybacks " << c.maxPlaybacks;
        EXPECT_NE(fresh.getChannel(0), nullptr) << "other sources are left alone";
    }
}

// A sound or a music track is deleted right after stopSource: none of its
// channels may be left for a later frame to delete, reading the gone source.
TEST_F(MixerTest, StopSourceDeletesEveryChannelOfItBeforeItGoes)
{
    auto doomed = rampSource(100, RATE, false, 3);
    mixer.play(doomed.get(), false);
    mixer.play(doomed.get(), false);
    const int kept = mixer.play(source.get(), false);
    mixer.stopSource(doomed.get());
    doomed.reset();
    int channels = 0;
    for (BasicLink* node = mixer.pFirstChild; node; node = node->pNext)
        ++channels;
    EXPECT_EQ(channels, 1);
    EXPECT_NE(mixer.getChannel(kept), nullptr);
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
        EXPECT_TRUE(everyIndex(8, [&](size_t i) { return stream[i] == c.sample; })) << c.value;
        mixer.stop(id);
    }
}

// A device may grant another format than the one asked for.
TEST_F(MixerTest, MixIsConvertedToEveryOtherDeviceFormat)
{
    struct Case { Uint16 format; float value; std::vector<Uint8> bytes; };
    const Case cases[] = {
        {AUDIO_S16MSB, 1.0f, {0x7F, 0xF8}}, {AUDIO_U16LSB, 0.0f, {0x00, 0x80}}, {AUDIO_U16MSB, -1.0f, {0x00, 0x08}},
        {AUDIO_U8, -0.5f, {65}},            {AUDIO_U8, 1.0f, {253}},            {AUDIO_S8, -1.0f, {0x83}},
    };
    for (const Case& c : cases) {
        Mixer device(deviceFormat(RATE, BUFFER_FRAMES, c.format));
        std::fill(source->data, source->data + source->dataSize, c.value);
        device.start(device.play(source.get(), false));
        // Four frames of two sides, each sample the same.
        std::vector<Uint8> stream(8 * device.bytesPerSample), expected;
        device.mix(stream.data(), static_cast<int>(stream.size()));
        for (int sample = 0; sample < 8; ++sample)
            expected.insert(expected.end(), c.bytes.begin(), c.bytes.end());
        EXPECT_EQ(stream, expected) << "format " << std::hex << c.format << " value " << c.value;
    }
}

// Music streams its decode chunk by chunk and starts again at the end: what
// it plays is the whole decode, over and over.
TEST_F(MixerTest, MusicStreamPlaysTheWholeDecodeLoopAfterLoop)
{
    const std::vector<unsigned char> bytes = oggtest::sineOgg(5000, 2, RATE, 523.0);
    auto wholeFile = memoryFile(bytes);
    MixerOGGstatic whole(wholeFile.get(), false, 1);
    auto streamFile = memoryFile(bytes);
    MixerOGGstream stream(streamFile.get(), true, 1);
    startNew(&stream, true);
    const int frames = whole.dataSize / 2;
    for (int played = 0; played < 3 * frames; played += BUFFER_FRAMES) {
        const std::vector<float> out = mixFrames(mixer, BUFFER_FRAMES);
        for (int i = 0; i < BUFFER_FRAMES; ++i) {
            const int frame = (played + i) % frames;
            ASSERT_EQ(out[2 * i], whole.data[2 * frame]) << "frame " << played + i;
            ASSERT_EQ(out[2 * i + 1], whole.data[2 * frame + 1]) << "frame " << played + i;
        }
    }
}

} // namespace
