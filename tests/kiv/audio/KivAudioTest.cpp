#include "EngineAudioSupport.h"
#include "MemoryIniFile.h"
#include "Sound.h"
#include "SoundChannel.h"
#include "SoundStream.h"

#include <SDL/SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <thread>

using namespace audiotest;

namespace {

// The lines of text that follow one another (other lines may lie between).
void expectInOrder(const std::string& text, const std::vector<std::string>& lines)
{
    size_t at = 0;
    for (const std::string& line : lines) {
        const size_t found = text.find(line, at);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << line << "\n" << text;
        at = found + line.size();
    }
}

using KivAudioTest = EngineAudioTest;

TEST_F(KivAudioTest, EmptyConfigurationGetsDefaultsAndOpensTheDevice)
{
    startEngine();
    MemoryIniFile* config = pKiv->pConfig;
    EXPECT_FALSE(config->getBool("KivAudio", "bMute"));
    EXPECT_EQ(config->getInt("KivAudio", "frequency"), 22050);
    EXPECT_DOUBLE_EQ(config->getDouble("KivAudio", "mixBufferDuration"), 0.1);
    EXPECT_STREQ(pKiv->pAudio->getRuntimeClass()->name.c_str(), "KivAudio");
    ASSERT_NE(mixer(), nullptr);
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PLAYING);
    expectInOrder(logText(), {"KivAudio(): Starting...", "KivAudio(): Desired audio spec:", "dumpInfo(): \tfreq: 22050",
                              "dumpInfo(): \tformat: AUDIO_S16LSB", "dumpInfo(): \tchannels 2",
                              "dumpInfo(): \tsilence 0", "dumpInfo(): \tsamples 2048", "dumpInfo(): \tpadding 0",
                              "dumpInfo(): \tsize 0", "KivAudio(): Obtained audio spec:",
                              "Mixer(): Allocating mix buffer: 4096 samples", "KivAudio(): Started."});
}

TEST_F(KivAudioTest, BufferIsRateTimesDurationRoundedDownTo256)
{
    struct Case {
        int frequency;
        double duration;
        int samples;
    };
    const Case cases[] = {{44100, 0.1, 4352}, {11025, 0.1, 1024}, {22050, 0.05, 1024}, {44100, 3.0, 65280}};
    for (const Case& c : cases) {
        startEngine("[KivAudio]\nfrequency=" + std::to_string(c.frequency) +
                    "\nmixBufferDuration=" + std::to_string(c.duration) + "\n");
        expectInOrder(logText(), {"Desired audio spec:", "\tfreq: " + std::to_string(c.frequency),
                                  "\tsamples " + std::to_string(c.samples) + "\n", "Obtained audio spec:"});
        stopEngine();
        // The next engine opens the device afresh, as a new run would.
        SDL_Quit();
    }
}

TEST_F(KivAudioTest, FrequencyChangedDuringTheRunReachesTheConfigurationFile)
{
    startEngine();
    pKiv->pAudio->frequency = 44100;
    EXPECT_EQ(mixer()->output.freq, 22050) << "the open device keeps its rate";
    stopEngine();
    EXPECT_NE(readWholeFile(configPath()).find("frequency=44100"), std::string::npos);
}

TEST_F(KivAudioTest, ModeStepsPauseAndResumeTheDevice)
{
    startEngine();
    KivAudio* audio = pKiv->pAudio;
    struct Step {
        int from, to;
        SDL_audiostatus status;
    };
    const Step steps[] = {
        {3, 2, SDL_AUDIO_PAUSED}, {2, 1, SDL_AUDIO_PAUSED}, {1, 2, SDL_AUDIO_PAUSED},
        {2, 3, SDL_AUDIO_PLAYING}, {2, 1, SDL_AUDIO_PLAYING}, {1, 2, SDL_AUDIO_PLAYING},
    };
    for (const Step& s : steps) {
        audio->onKIVmodeChange(s.from, s.to);
        EXPECT_EQ(SDL_GetAudioStatus(), s.status) << s.from << " -> " << s.to;
    }
    pKiv->changeKIVmode(Kiv::MODE_DISPLAYLOST);
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PAUSED) << "losing the display passes through inactive";
    pKiv->changeKIVmode(Kiv::MODE_OK);
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PLAYING);
}

TEST_F(KivAudioTest, MutedAudioOpensNothingAndEveryOperationIsWithoutEffect)
{
    const std::string track = writeSine("track.ogg", 4000, 2, 22050);
    startEngine("[KivAudio]\nbMute=Yes\n");
    KivAudio* audio = pKiv->pAudio;
    EXPECT_TRUE(audio->bMute);
    EXPECT_EQ(audio->pMixer, nullptr);
    EXPECT_EQ(KivAudio::getMixer(), nullptr);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    audio->update();
    audio->setSoundVolume(0.5f);
    audio->setMusicVolume(0.5f);

    Sound missing(home + "/no-such-sound.ogg", false, 4);
    EXPECT_EQ(missing.pSource, nullptr) << "no file is read";
    std::srand(3);
    std::rand();
    const int second = std::rand();
    std::srand(3);
    missing.play();
    EXPECT_EQ(std::rand(), second) << "play still draws its random number";
    missing.playPitched(3);
    SoundChannel channel(&missing);
    EXPECT_EQ(channel.channelId, -1);
    channel.play();
    EXPECT_FALSE(channel.isPlaying());

    SoundStream stream(track, true);
    EXPECT_GT(stream.file.size, 0u) << "the track is still read";
    EXPECT_EQ(stream.pSource, nullptr);
    audio->setMusic(&stream);
    EXPECT_EQ(audio->pMusic, &stream) << "the track is recorded";
    EXPECT_FALSE(stream.isPlaying());
    audio->stopAll();
    EXPECT_EQ(audio->pMusic, &stream) << "stopAll does nothing at all while muted";
    audio->setMusic(nullptr);

    const std::string log = logText();
    expectInOrder(log, {"KivAudio(): Starting...", "KivAudio(): Sound has been muted.", "KivAudio(): Started."});
    EXPECT_EQ(log.find("Desired audio spec"), std::string::npos);
    EXPECT_EQ(log.find("Loading sound file"), std::string::npos);
    EXPECT_EQ(log.find("Creating stream"), std::string::npos);
}

TEST_F(KivAudioTest, MissingMusicFileIsFatalEvenWhenMuted)
{
    const std::string name = home + "/no-such-track.ogg";
    // The engine starts in the child only: one in this process could hold
    // the display's input grab that the child's engine waits for.
    EXPECT_EXIT(
        {
            startEngine("[KivAudio]\nbMute=Yes\n");
            SoundStream stream(name, true);
        },
        ::testing::ExitedWithCode(255), "File '.*no-such-track.ogg' does not exist.");
}

TEST_F(KivAudioTest, VolumeSettersAndPerFramePurge)
{
    const std::string click = writeSine("click.ogg", 300, 1, 22050);
    startEngine();
    holdDevice();
    KivAudio* audio = pKiv->pAudio;
    audio->setSoundVolume(0.25f);
    audio->setMusicVolume(0.75f);
    EXPECT_FLOAT_EQ(mixer()->soundVolume, 0.25f);
    EXPECT_FLOAT_EQ(mixer()->musicVolume, 0.75f);

    Sound sound(click, false, 4);
    sound.play();
    mixBuffer(); // 300 frames end inside one buffer of 2048
    EXPECT_EQ(mixer()->getChildCount(), 1);
    audio->update();
    EXPECT_EQ(mixer()->getChildCount(), 0);
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
    EXPECT_TRUE(newestChannel()->loop) << "music takes the music volume";
    mixBuffer();
    audio->setMusic(&menu);
    EXPECT_EQ(menu.channelId, menuChannel) << "the current track plays on";

    audio->setMusic(&game);
    EXPECT_FALSE(menu.isPlaying()) << "the old track stops first";
    EXPECT_TRUE(game.isPlaying());
    EXPECT_EQ(mixer()->getChildCount(), 1);

    audio->fadeMusic(0.5f, 0.5);
    EXPECT_EQ(audio->pMusic, &game);
    EXPECT_EQ(mixer()->getChannel(game.channelId)->volumeFrames, 11025);

    audio->fadeMusic(0.0f, 1.0);
    EXPECT_EQ(audio->pMusic, nullptr) << "a fade to silence forgets the track";
    EXPECT_TRUE(game.isPlaying()) << "but does not stop it";
    for (int i = 0; i < 12 && game.isPlaying(); ++i)
        mixBuffer();
    EXPECT_FALSE(game.isPlaying()) << "the channel ends when the fade does";

    audio->setMusic(&game);
    EXPECT_TRUE(game.isPlaying()) << "a later setMusic starts it afresh";
    EXPECT_FLOAT_EQ(mixer()->getChannel(game.channelId)->volume, 1000.0f);

    audio->stopMusic();
    EXPECT_EQ(audio->pMusic, nullptr);
    EXPECT_FALSE(game.isPlaying());

    audio->setMusic(&menu);
    audio->stopAll();
    EXPECT_EQ(audio->pMusic, nullptr);
    EXPECT_EQ(mixer()->getChildCount(), 0);
}

TEST_F(KivAudioTest, MusicStreamPlaysOnceAndRestartsAfterStop)
{
    const std::string track = writeSine("track.ogg", 30000, 2, 22050);
    startEngine();
    holdDevice();
    SoundStream stream(track, true);
    EXPECT_EQ(stream.channelId, -1);
    stream.play();
    const int first = stream.channelId;
    mixBuffer();
    const int cursor = mixer()->getChannel(first)->playCursor;
    stream.play();
    EXPECT_EQ(stream.channelId, first) << "a playing track is not restarted";
    EXPECT_EQ(mixer()->getChannel(first)->playCursor, cursor);
    stream.stop();
    EXPECT_FALSE(stream.isPlaying());
    stream.play();
    EXPECT_NE(stream.channelId, first);
    EXPECT_TRUE(stream.isPlaying());
    expectInOrder(logText(), {"SoundStream(): Creating stream for '" + track + "'.", "MixerOGG(): \t22050 Hz, stereo."});
}

TEST_F(KivAudioTest, DiskDriverCapturesWhatIsPlayed)
{
    const std::string capture = home + "/capture.raw";
    const std::string tone = writeSine("tone.ogg", 22050, 1, 22050);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", capture.c_str(), 1);
    // A short delay per buffer: faster than real time, but the file stays small.
    setenv("SDL_DISKAUDIODELAY", "5", 1);
    startEngine();
    auto captured = [&capture] {
        struct stat info{};
        return stat(capture.c_str(), &info) == 0 ? static_cast<long>(info.st_size) : 0L;
    };
    {
        Sound sound(tone, false, 1);
        sound.play();
        // One second of 16-bit stereo at 22050 Hz after the start holds the tone.
        const long wanted = captured() + 22050 * 4;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < deadline && captured() < wanted)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        stopEngine();
    }
    unsetenv("SDL_DISKAUDIOFILE");
    unsetenv("SDL_DISKAUDIODELAY");
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::string raw = readWholeFile(capture);
    ASSERT_GE(raw.size(), 22050u * 4);
    int loudest = 0;
    for (size_t i = 0; i + 1 < raw.size(); i += 2) {
        const int16_t sample = static_cast<int16_t>(static_cast<uint8_t>(raw[i]) | (static_cast<uint8_t>(raw[i + 1]) << 8));
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    }
    EXPECT_GT(loudest, 8000) << "a sine of amplitude 0.5 is in the capture";
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
