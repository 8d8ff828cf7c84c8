#include "EngineAudioSupport.h"
#include "FrameDriver.h"
#include "Sound.h"
#include "SoundChannel.h"

#include <memory>

using namespace audiotest;
using testsupport::FrameDriver;

namespace {

// Sounds played on an engine whose device is held, so the test drives the mix.
class SoundTest : public EngineAudioTest {
protected:
    void SetUp() override
    {
        EngineAudioTest::SetUp();
        const std::string path = writeSine("blip.ogg", 2000, 1, 11025);
        startEngine();
        holdDevice();
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

TEST_F(SoundTest, StartsCloserThanTheMinimumIntervalAreDropped)
{
    // Two starts in each 10 ms frame, at least 25 ms apart: every third frame's first.
    FrameDriver frames(0.01);
    sound->minStartInterval = 0.025;
    std::vector<int> heard;
    for (int frame = 0; frame < 7; ++frame) {
        frames.step(nullptr);
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

} // namespace
