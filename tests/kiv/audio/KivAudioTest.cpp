#include "EngineAudioSupport.h"
#include "Sound.h"
#include "SoundChannel.h"
#include "SoundStream.h"

#include <SDL/SDL.h>

#include <chrono>
#include <cstdio>
#include <thread>

using namespace audiotest;

namespace {

using KivAudioTest = EngineAudioTest;

TEST_F(KivAudioTest, ModeStepsPauseAndResumeTheDevice)
{
    startEngine();
    struct Step { int from, to; SDL_audiostatus status; };
    const Step steps[] = {
        {Kiv::MODE_OK, Kiv::MODE_INACTIVE, SDL_AUDIO_PAUSED},
        {Kiv::MODE_INACTIVE, Kiv::MODE_DISPLAYLOST, SDL_AUDIO_PAUSED},
        {Kiv::MODE_DISPLAYLOST, Kiv::MODE_INACTIVE, SDL_AUDIO_PAUSED},
        {Kiv::MODE_INACTIVE, Kiv::MODE_OK, SDL_AUDIO_PLAYING},
    };
    for (const Step& s : steps) {
        pKiv->pAudio->onKIVmodeChange(s.from, s.to);
        EXPECT_EQ(SDL_GetAudioStatus(), s.status) << s.from << " -> " << s.to;
    }
}

TEST_F(KivAudioTest, MutedAudioOpensNothingAndEveryOperationIsWithoutEffect)
{
    const std::string track = writeSine("track.ogg", 4000, 2, 22050);
    startEngine("[KivAudio]\nbMute=Yes\n");
    KivAudio* audio = pKiv->pAudio;
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    audio->update(1.0);
    audio->setSoundVolume(0.5f);
    audio->setMusicVolume(0.5f);
    SoundStream stream(track, true);
    audio->setMusic(&stream);
    EXPECT_FALSE(stream.isPlaying());
    audio->stopAll();
    EXPECT_EQ(audio->pMusic, &stream) << "stopAll does nothing at all while muted";
    audio->setMusic(nullptr);
}

TEST_F(KivAudioTest, CurrentMusicIsSwitchedFadedAndStopped)
{
    const std::string first = writeSine("first.ogg", 30000, 2, 22050);
    const std::string second = writeSine("second.ogg", 30000, 1, 22050);
    startEngine();
    holdDevice();
    KivAudio* audio = pKiv->pAudio;
    SoundStream menu(first, true);
    SoundStream game(second, true);

    audio->fadeMusic(0.0f, 1.0);
    EXPECT_EQ(audio->pMusic, nullptr) << "no track, nothing to fade";

    audio->setMusic(&menu);
    ASSERT_TRUE(menu.isPlaying());
    const int menuChannel = menu.channelId;
    mixBuffer();
    audio->setMusic(&menu);
    EXPECT_EQ(menu.channelId, menuChannel) << "the current track plays on";

    audio->setMusic(&game);
    EXPECT_FALSE(menu.isPlaying()) << "the old track stops first";
    EXPECT_EQ(mixer()->getChildCount(), 1);

    audio->fadeMusic(0.5f, 0.5);
    EXPECT_EQ(audio->pMusic, &game);
    int frames = 0;
    for (; frames + mixer()->output.samples <= mixer()->output.freq / 4; frames += mixer()->output.samples)
        mixBuffer();
    const float expected = 1000.0f - 500.0f * frames / (mixer()->output.freq / 2.0f);
    EXPECT_NEAR(mixer()->getChannel(game.channelId)->volume, expected, 0.5f) << "on its way to half after " << frames;

    audio->fadeMusic(0.0f, 1.0);
    EXPECT_EQ(audio->pMusic, nullptr) << "a fade to silence forgets the track";
    EXPECT_TRUE(game.isPlaying()) << "but does not stop it";
    for (int i = 0; i < 12 && game.isPlaying(); ++i)
        mixBuffer();
    EXPECT_FALSE(game.isPlaying()) << "the channel ends when the fade does";

    audio->setMusic(&game);
    EXPECT_TRUE(game.isPlaying()) << "a later setMusic starts it afresh";
    EXPECT_FLOAT_EQ(mixer()->getChannel(game.channelId)->volume, 1000.0f);
}

TEST_F(KivAudioTest, FatalErrorOnTheAudioThreadStillReportsAndExits)
{
    EXPECT_EXIT(
        {
            std::vector<unsigned char> bytes = oggtest::sineOgg(22050 * 5, 2, 22050);
            // Damaged pages in the middle: the decoder meets the hole well after
            // the first chunk (which the main thread decodes), inside the
            // device's callback.
            for (size_t i = bytes.size() / 2; i < bytes.size() / 2 + 3000; ++i)
                bytes[i] ^= 0x5A;
            const std::string track = writeFile("damaged.ogg", bytes);
            // A disk device with no delay plays far faster than real time.
            setenv("SDL_AUDIODRIVER", "disk", 1);
            setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
            setenv("SDL_DISKAUDIODELAY", "0", 1);
            startEngine();
            SoundStream stream(track, true);
            pKiv->pAudio->setMusic(&stream);
            std::fprintf(stderr, "playing\n");
            std::this_thread::sleep_for(std::chrono::seconds(30));
        },
        ::testing::ExitedWithCode(255), "playing\n(.|\n)*\\*\\*\\* ERROR \\*\\*\\* .*result>=0.*refill");
}

} // namespace
