#include "AudioTestSupport.h"
#include "EngineAudioSupport.h"
#include "FileManager.h"
#include "KivObserver.h"
#include "MixerOGGstream.h"
#include "RefusedSystemCalls.h"
#include "SdlAudioOutput.h"
#include "Sound.h"
#include "SoundChannel.h"
#include "SoundStream.h"
#include "WadWriter.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sched.h>
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

// A music stream that cannot be decoded further stops, and only it: the log
// names the file once and other music still plays. A damaged page (a hole:
// 64 bytes overwritten, or a broken page header) costs only its own samples:
// the track plays on, loop after loop, never louder than the bare library
// decodes it, and the log names the file the first time only. (Where the
// decoder joins the blocks around a hole their overlap may rise above the
// undamaged track's peak, in any decoder; noise would reach full scale.) A
// sound with the same damage is named once more, as it loads.
TEST_F(KivAudioTest, MusicThatCannotBeDecodedFurtherStopsAloneAndTheLogNamesIt)
{
    constexpr int TRACK_FRAMES = 22050 * 6;
    const std::vector<unsigned char> track = oggtest::sineOgg(TRACK_FRAMES, 2, 22050);
    struct Case { const char* name; std::vector<unsigned char> bytes; bool bStops, bDamaged; };
    const Case cases[] = {
        {"six-channel-link.ogg", oggtest::chained(track, oggtest::sineOgg(22050, 6, 22050)), true, false},
        {"holed.ogg", oggtest::holed(track), false, true},
        {"header-broken.ogg", oggtest::headerBroken(track), false, true},
    };
    startEngine();
    holdDevice();
    KivAudio* audio = pKiv->pAudio;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = writeFile(c.name, c.bytes);
        SoundStream stream(path, true);
        audio->setMusic(&stream);
        int frames = 0;
        float peak = 0.0f;
        for (; frames < 3 * TRACK_FRAMES && stream.isPlaying(); frames += mixer()->output.samples) {
            mixBuffer();
            for (int i = 0; i < 2 * mixer()->output.samples; ++i)
                peak = std::max(peak, std::fabs(mixer()->mixBuffer[i]));
            audio->update(0.0);
        }
        float barePeak = 0.0f;
        bareDecode(c.bytes, [&barePeak](float** pcm, long count, int channels) {
            for (long i = 0; i < count; ++i)
                barePeak = std::max({barePeak, std::fabs(pcm[0][i]), std::fabs(pcm[channels - 1][i])});
        });
        if (!c.bStops) {
            EXPECT_LE(peak, barePeak);
        }
        EXPECT_EQ(stream.isPlaying(), !c.bStops);
        std::string log = readWholeFile(getDataFolder() + "/" + APPLICATION_NAME + ".log");
        const std::string line = "MixerOGG(): File '" + path + "' cannot be decoded further";
        EXPECT_EQ(log.find(line) != std::string::npos, c.bStops) << log;
        EXPECT_EQ(log.find(line), log.rfind(line));
        const std::string damage = "MixerOGG(): File '" + path + "' is damaged; the damaged part is skipped.\n";
        EXPECT_EQ(log.find(damage) != std::string::npos, c.bDamaged) << log;
        EXPECT_EQ(log.find(damage), log.rfind(damage));
        if (c.bDamaged) {
            Sound sound(path, false, 1);
            log = readWholeFile(getDataFolder() + "/" + APPLICATION_NAME + ".log");
            EXPECT_NE(log.find(damage), log.rfind(damage)) << "the sound is named as it loads";
        }
        if (c.bStops) {
            EXPECT_GE(frames, TRACK_FRAMES) << "the first link played";
            int cursor = 0, max = 0;
            EXPECT_FALSE(stream.pSource->refill(cursor, max)) << "asked again, it stays ended";
        }
        audio->setMusic(nullptr);
    }
}

// A sound that cannot be decoded is fatal at load, and the report names the
// file and the archive it came from, as for a missing file. (The dying
// process makes a folder of its own, so the archive's folder differs.)
TEST_F(KivAudioTest, SoundThatCannotBeDecodedAtLoadIsFatalNamingItsFile)
{
    std::vector<unsigned char> headersDamaged = oggtest::sineOgg(2000, 1, 11025);
    headersDamaged[40] ^= 0x5A;
    struct Case { std::vector<unsigned char> bytes; const char* before; const char* after; };
    const Case cases[] = {
        {headersDamaged, "Error: File ", " cannot be decoded as Ogg Vorbis\\.\n Statement: ov_open_callbacks"},
        {oggtest::sineOgg(2000, 6, 11025), "Error: Unhandled number of channels: 6 in file ", "\\.\n Function: "},
    };
    const std::string archive = home + "/sounds.dat";
    for (const Case& c : cases) {
        WadWriter writer;
        UString error;
        ASSERT_TRUE(writer.addEntry("sfx/bad.ogg", c.bytes.data(), c.bytes.size(), error) &&
                    writer.write(archive, error)) << error;
        EXPECT_EXIT(
            {
                startEngine();
                pKiv->pFileManager->useWad(archive);
                Sound sound("sfx/bad.ogg", false, 1);
            },
            ::testing::ExitedWithCode(255),
            std::string("\\*\\*\\* ERROR \\*\\*\\* ") + c.before + "'sfx/bad.ogg' in the archive '[^']*/sounds.dat'" + c.after);
    }
}

// Without a sound device the game cannot start, and its report names only
// the call; the log says first why the device failed and, when the device
// is what is missing, how to play without sound: with the setting in the
// configuration, or, at a first start, by making it. (The dying process
// runs this program afresh, with a folder of its own: the environment sends
// it to this one, whose log is read here.)
TEST_F(KivAudioTest, ADeviceThatCannotBeOpenedIsFatalAfterTheLogSaysWhyAndHowToPlayWithoutIt)
{
    // SDL's device, with the calls that make threads refused, as under a
    // memory limit, once the rest of the engine has started.
    struct NoNewThreads : SdlAudioOutput {
        void open(const SDL_AudioSpec& desired, SDL_AudioSpec& obtained) override
        {
            if (!testsupport::refuseSystemCalls({{SYS_clone3, ENOSYS}, {SYS_clone, EAGAIN, CLONE_THREAD}}))
                _exit(2);
            SdlAudioOutput::open(desired, obtained);
        }
    };
    const std::string config = getDataFolder() + "/" + APPLICATION_NAME + ".cfg";
    const std::string edit = "; bMute=Yes in section KivAudio of '" + config + "' runs the game without sound.\n";
    const struct {
        const char* what;
        std::function<void()> start;
        // The configuration a run before left; none at a first start.
        const char* configText;
        std::string said;
    } rows[] = {
        {"no such device",
         [this] {
             setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
             startEngine();
         },
         "[KivAudio]\nbMute=No\n", "No available audio device)" + edit},
        {"no such device at the first start",
         [this] {
             setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
             startEngine();
         },
         nullptr,
         "No available audio device); to run the game without sound, create '" + config +
             "' with the two lines \"[KivAudio]\" and \"bMute=Yes\".\n"},
        {"no thread for the device",
         [this] {
             static NoNewThreads output;
             const KivHost desktop = KivHost::desktop();
             startEngine("", KivHost{desktop.clock, output, desktop.drawSchedule});
         },
         nullptr, "Couldn't create audio thread).\n"},
    };
    setenv("KIV_AUDIO_TEST_PARENT_HOME", home.c_str(), 0);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        std::filesystem::remove(config);
        if (row.configText)
            writeWholeFile(config, row.configText);
        EXPECT_EXIT(
            {
                useAsDataHome(std::getenv("KIV_AUDIO_TEST_PARENT_HOME"));
                row.start();
            },
            ::testing::ExitedWithCode(255),
            "\\*\\*\\* ERROR \\*\\*\\* Error: Assertion failed\\.\n Statement: SDL_OpenAudio\\(&desired,&obtained\\)==0\n"
            " Function: KivAudio\\(\\)\n File: ");
        const std::string crashLog = readWholeFile(getDataFolder() + "/crash." + APPLICATION_NAME + ".log");
        const size_t reason = crashLog.find("\tKivAudio(): The sound device could not be opened (" + row.said);
        EXPECT_NE(reason, std::string::npos) << crashLog;
        EXPECT_LT(reason, crashLog.find("error(): Error: Assertion failed.")) << "before the report: " << crashLog;
    }
    unsetenv("KIV_AUDIO_TEST_PARENT_HOME");
}

// The reasons a watching test hears as channels go, "<id> <why>".
struct ChannelEnds : KivObserver {
    void onChannelEnded(const MixerChannel& channel, const char* why) override
    {
        heard.push_back(std::to_string(channel.id) + " " + why);
    }
    std::vector<std::string> heard;
};

TEST_F(KivAudioTest, AChannelThatGoesTellsTheObserverWhy)
{
    startEngine();
    holdDevice();
    ChannelEnds observer;
    pKiv->pObserver = &observer;
    Mixer& m = *mixer();
    // 100 frames, far fewer than a device buffer; one playback at a time.
    auto once = rampSource(100, 22050, false, 1);
    auto looped = rampSource(100, 22050, true);
    const auto start = [&m](MixerOGG* source) {
        const int id = m.play(source, false);
        m.start(id);
        return id;
    };
    struct Step { const char* what; std::function<int()> act; const char* why; };
    const Step steps[] = {
        {"a second playback", [&] { const int first = start(once.get()); start(once.get()); return first; },
         "replaced"},
        {"run out", [&] { const int id = start(once.get()); mixBuffer(); m.update(); return id; }, "ended"},
        {"faded to silence", [&] { const int id = start(looped.get()); m.setVolume(id, 0.0f, 0.001); mixBuffer();
                                   m.update(); return id; }, "faded out"},
        {"stopped", [&] { const int id = start(looped.get()); m.stop(id); return id; }, "stopped"},
        {"its source stopped", [&] { const int id = start(looped.get()); m.stopSource(looped.get()); return id; },
         "stopped"},
        {"all stopped", [&] { const int id = start(looped.get()); pKiv->pAudio->stopAll(); return id; }, "stopped"},
        {"run out, then its source stopped", [&] { const int id = start(once.get()); mixBuffer();
                                                   m.stopSource(once.get()); return id; }, "ended"},
    };
    for (const Step& step : steps) {
        observer.heard.clear();
        const int id = step.act();
        EXPECT_EQ(observer.heard, std::vector<std::string>{std::to_string(id) + " " + step.why}) << step.what;
        pKiv->pAudio->stopAll();
    }
    pKiv->pObserver = nullptr;
}

// A source that hands its channel an odd range, which no real source does.
struct OddRangeSource : MixerOGGstatic {
    using MixerOGGstatic::MixerOGGstatic;
    bool refill(int& playCursor, int& playMax) override
    {
        playCursor = 1;
        playMax = 3;
        return true;
    }
};

TEST_F(KivAudioTest, FatalErrorOnTheAudioThreadStillReportsAndExits)
{
    EXPECT_EXIT(
        {
            // A disk device with no delay plays far faster than real time.
            setenv("SDL_AUDIODRIVER", "disk", 1);
            setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
            setenv("SDL_DISKAUDIODELAY", "0", 1);
            startEngine();
            auto file = memoryFile(oggtest::sineOgg(2000, 1, 22050));
            OddRangeSource source(file.get(), false, 1);
            // Said before the start: the audio thread may fail before this
            // thread runs again.
            std::fprintf(stderr, "playing\n");
            mixer()->start(mixer()->play(&source, false));
            std::this_thread::sleep_for(std::chrono::seconds(30));
        },
        ::testing::ExitedWithCode(255), "playing\n(.|\n)*\\*\\*\\* ERROR \\*\\*\\* .*playCursor%2==0.*mixChannel");
}

} // namespace
