// The sound device the program asks SDL for, read where the request leaves
// the program: at SDL's own SDL_OpenAudio, which this program's definition
// below stands in front of and hands on to. The engine starts on the
// program's own host (SDL's device, the dummy driver) with the audio
// settings of a configuration: signed 16-bit little-endian stereo at the
// configured rate, in buffers of the configured duration's sample frames
// rounded down to a whole number of 256.
#include "Kiv.h"
#include "KivHost.h"
#include "ProgramRun.h"
#include "TemporaryFolder.h"

#include <SDL/SDL.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

namespace {

// Every request SDL's audio had, oldest first.
std::vector<SDL_AudioSpec>& requests()
{
    static std::vector<SDL_AudioSpec> asked;
    return asked;
}

} // namespace

// The program's sound output calls this definition rather than the
// library's: it keeps the request and hands it on to SDL's own.
extern "C" int SDL_OpenAudio(SDL_AudioSpec* desired, SDL_AudioSpec* obtained)
{
    requests().push_back(*desired);
    using Open = int (*)(SDL_AudioSpec*, SDL_AudioSpec*);
    static const Open sdlOpen = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "SDL_OpenAudio"));
    return sdlOpen ? sdlOpen(desired, obtained) : -1;
}

namespace {

TEST(SoundDeviceRequest, AsksForStereo16BitAtTheConfiguredRateInBuffersOfTheConfiguredDuration)
{
    const TemporaryFolder home("kiv-sound-request");
    useAsDataHome(home.path());
    struct Row {
        const char* settings;
        int frequency;
        double duration;
    };
    const Row rows[] = {
        {"", 22050, 0.1},
        {"frequency=96000\nmixBufferDuration=0.05\n", 96000, 0.05},
        {"frequency=11025\nmixBufferDuration=0.03\n", 11025, 0.03},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.settings);
        const std::string folder = makeWindowedDataFolder(home.path());
        std::ofstream(folder + "/" + APPLICATION_NAME + ".cfg", std::ios::app) << "[KivAudio]\n" << row.settings;
        requests().clear();
        new Kiv(KivHost::desktop());
        delete pKiv;
        ASSERT_EQ(requests().size(), 1u) << "requests of the sound device";
        const SDL_AudioSpec& asked = requests().front();
        // The duration's sample frames, whole ones, then the multiple of 256
        // at or below.
        const int frames = static_cast<int>(row.frequency * row.duration);
        EXPECT_EQ(asked.freq, row.frequency);
        EXPECT_EQ(asked.format, AUDIO_S16LSB);
        EXPECT_EQ(static_cast<int>(asked.channels), 2);
        EXPECT_EQ(asked.samples, frames - frames % 256);
    }
}

} // namespace
