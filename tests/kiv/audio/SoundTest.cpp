#include "EngineAudioSupport.h"
#include "KivGraphics.h"
#include "Sound.h"
#include "SoundChannel.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

using namespace audiotest;

namespace {

// Sounds played on an engine whose frames the test steps; the sound of a
// frame is mixed in it.
class SoundTest : public EngineAudioTest {
protected:
    void SetUp() override
    {
        EngineAudioTest::SetUp();
        const std::string path = writeSine("blip.ogg", 2000, 1, 11025);
        startEngine("", stepped.host());
        sound = std::make_unique<Sound>(path, false, 3);
    }
    void TearDown() override
    {
        sound.reset();
        EngineAudioTest::TearDown();
    }
    float newestFactor() const { return newestChannel()->frequency / 11025.0f; }

    std::unique_ptr<Sound> sound;
};

TEST_F(SoundTest, PlayPitchedStepsBy1Point0595PerSemitone)
{
    struct Case { int semitones; float factor; };
    const Case cases[] = {{1, 1.0595f}, {-2, 0.8908367f}, {12, 2.000836f}};
    for (const Case& c : cases) {
        sound->playPitched(c.semitones);
        EXPECT_NEAR(newestFactor(), c.factor, 5e-7f) << c.semitones << " semitones";
        EXPECT_TRUE(mixer()->isPlaying(mixer()->nextChannelId - 1));
    }
}

TEST_F(SoundTest, PlayAtFrequencyTakesFactorsUpTo100AndHertzAbove)
{
    struct Case { float argument; float hertz; };
    for (const Case& c : {Case{0.5f, 5512.5f}, Case{100.0f, 1102500.0f}, Case{100.5f, 100.5f}, Case{-3.0f, 0.0f}}) {
        sound->playAtFrequency(c.argument);
        EXPECT_FLOAT_EQ(newestChannel()->frequency, c.hertz) << c.argument;
    }
}

TEST_F(SoundTest, PlayDrawsARandomPitchWithinTheRange)
{
    std::srand(11);
    sound->play();
    EXPECT_FLOAT_EQ(newestFactor(), 1.0f) << "no variation by default";

    sound->pitchMax = 0.25f;
    float lowest = 2.0f, highest = 0.0f;
    for (int i = 0; i < 200; ++i) {
        sound->play();
        lowest = std::min(lowest, newestFactor());
        highest = std::max(highest, newestFactor());
    }
    EXPECT_GE(lowest, 1.0f);
    EXPECT_LT(highest, 1.25f);
    EXPECT_GT(highest - lowest, 0.1f);
}

TEST_F(SoundTest, StartsCloserThanTheMinimumIntervalAreDropped)
{
    // Two starts in each 10 ms frame, at least 25 ms apart: every third frame's first.
    sound->minStartInterval = 0.025;
    std::vector<int> heard;
    for (int frame = 0; frame < 7; ++frame) {
        stepped.frame(nullptr);
        const double before = sound->lastStartTime;
        sound->play();
        sound->play();
        if (sound->lastStartTime != before)
            heard.push_back(frame);
    }
    EXPECT_EQ(heard, (std::vector<int>{0, 3, 6}));
    SoundChannel handle(sound.get());
    handle.play();
    EXPECT_FALSE(handle.isPlaying()) << "a handle's start inside the interval deletes its channel";

    sound->minStartInterval = 0.0;
    sound->play();
    sound->play();
    sound->minStartInterval = 1000.0;
    sound->play(); // drops the oldest of three, then is refused itself
    EXPECT_EQ(mixer()->getChildCount(), 2);
    sound.reset();
    EXPECT_EQ(mixer()->getChildCount(), 0) << "destroying the sound ends its channels";
}

TEST_F(SoundTest, HandleMadeAtTheLimitDropsTheOldestChannelAtOnce)
{
    sound->play();
    sound->play();
    sound->play();
    SoundChannel channel(sound.get());
    EXPECT_EQ(mixer()->getChannel(0), nullptr);
    EXPECT_EQ(mixer()->getChildCount(), 3);
    channel.stop();
}

TEST_F(SoundTest, ChannelHandleStartsSteersAndStopsForGood)
{
    SoundChannel channel(sound.get());
    EXPECT_FALSE(channel.isPlaying()) << "prepared, not started";
    channel.play();
    EXPECT_TRUE(channel.isPlaying());
    channel.setVolume(0.5f, 1.0);
    channel.setPan(-0.5f, 0.0);
    const MixerChannel* mixed = mixer()->getChannel(channel.channelId);
    EXPECT_EQ(mixed->volumeFrames, mixer()->output.freq) << "a one-second fade";
    EXPECT_FLOAT_EQ(mixed->pan, -500.0f);
    channel.stop();
    EXPECT_FALSE(channel.isPlaying());
    channel.play();
    EXPECT_FALSE(channel.isPlaying()) << "a handle cannot restart its playback";
}

TEST_F(SoundTest, PanFromScreenXFollowsTheViewWidth)
{
    struct Case { int fovWidth; float x; float pan; };
    const Case cases[] = {{640, 160.0f, 0.5f}, {640, -1000.0f, -1.0f}, {641, -320.0f, -1.0f}, {0, 0.0f, 0.0f}};
    const int savedWidth = pKiv->pGraphics->fovWidth;
    for (const Case& c : cases) {
        pKiv->pGraphics->fovWidth = c.fovWidth;
        SoundChannel channel(sound.get());
        channel.setPanFromScreenX(V3(c.x, 7.0f, 9.0f));
        EXPECT_FLOAT_EQ(mixer()->getChannel(channel.channelId)->pan, c.pan * 1000.0f)
            << "width " << c.fovWidth << " x " << c.x;
        channel.stop();
    }
    pKiv->pGraphics->fovWidth = savedWidth;
}

} // namespace
