#pragma once
// A whole engine for the tests that need the audio device: each test gets a
// data folder of its own (configuration, log, test sounds) and starts the
// engine with the configuration text it needs.
#include "ApplicationInfo.h"
#include "DataFolder.h"
#include "Kiv.h"
#include "KivHost.h"
#include "KivAudio.h"
#include "Mixer.h"
#include "MixerChannel.h"
#include "OggEncoder.h"
#include "SteppedHost.h"
#include "TemporaryFolder.h"
#include "WholeFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace audiotest {

class EngineAudioTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A forked child would share the engine's X connection and break it
        // for the parent when it exits; a fresh process has its own. Death
        // tests start their engine inside the dying statement only.
        ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
        useAsDataHome(home);
    }

    void TearDown() override { delete pKiv; }

    // configText: ini lines for the engine configuration, e.g.
    // "[KivAudio]\nbMute=Yes\n"; the host is the program's (SDL's audio
    // device) unless stepped.host() is given.
    void startEngine(const std::string& configText = "", const KivHost& host = KivHost::desktop())
    {
        if (!configText.empty())
            writeWholeFile(getDataFolder() + "/" + APPLICATION_NAME + ".cfg", configText);
        new Kiv(host);
    }

    // Writes bytes as a file of the test's folder; returns its path.
    std::string writeFile(const std::string& name, const std::vector<unsigned char>& bytes) const
    {
        const std::string path = home + "/" + name;
        writeWholeFile(path, std::string(bytes.begin(), bytes.end()));
        return path;
    }

    std::string writeSine(const std::string& name, long frames, int channels, int rate) const
    {
        return writeFile(name, oggtest::sineOgg(frames, channels, rate));
    }

    // Stops the device's callbacks so the test drives the Mixer itself.
    static void holdDevice()
    {
        pKiv->pAudio->onKIVmodeChange(Kiv::MODE_OK, Kiv::MODE_INACTIVE);
        SDL_LockAudio(); // waits for a callback already running
        SDL_UnlockAudio();
    }

    static Mixer* mixer() { return pKiv->pAudio->pMixer; }
    static MixerChannel* newestChannel() { return mixer()->getChannel(mixer()->nextChannelId - 1); }
    static void mixBuffer()
    {
        std::vector<Uint8> stream(static_cast<size_t>(mixer()->output.size));
        mixer()->mix(stream.data(), static_cast<int>(stream.size()));
    }

    // For an engine whose frames the test steps, its sound mixed in step.
    testsupport::SteppedHost stepped;
    // Removed after TearDown, so the engine is gone before its files.
    const TemporaryFolder folder{"kiv-audio-test"};
    const std::string home = folder.path();
};

} // namespace audiotest
