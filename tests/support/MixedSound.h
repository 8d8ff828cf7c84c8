#pragma once
// MixedSound: the sound a stepped run hands its device (InStepAudio), read
// buffer by buffer as it leaves the mixer and judged against what the
// program's channels play at the master volumes the test expects: every
// frame must hold the sum of each playing channel's source frames (a
// sound's decoded sample from the channel's place in it, a music track
// decoded afresh here from its file, from the track's start) times the
// master volume of the channel's kind (music for a looping channel,
// sounds otherwise) and the channel's own level, clamped to full scale and
// stored as signed 16-bit (InStepAudio::FULL_SCALE at full scale). A
// buffer in which a channel fades, pans or glides, or plays a track begun
// before the watch, is counted but not judged. Watches from its
// construction to its end; main thread only.
//
//   MixedSound heard(game.stepped.audio, 6 / 24.0f, 0.0f);  // music, sounds
//   ...play...;  EXPECT_TRUE(heard.matches());  heard.counts.withMusic;
#include "Kiv.h"
#include "KivAudio.h"
#include "Mixer.h"
#include "MixerChannel.h"
#include "MixerOGGstatic.h"
#include "MixerOGGstream.h"
#include "OggDecoder.h"
#include "MemoryFile.h"
#include "SteppedHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <vector>

namespace testsupport {

class MixedSound {
public:
    // Buffers mixed while watched: judged or not; and those in which a
    // music track, or a sound, played.
    struct Counts {
        int judged = 0, unjudged = 0, withMusic = 0, withSounds = 0;
    };

    MixedSound(InStepAudio& device, float musicMaster, float soundMaster)
        : audio(device), music(musicMaster), sounds(soundMaster), firstWatched(mixer().nextChannelId)
    {
        audio.beforeMix = [this](int frames) { look(frames); };
        // Two channels of 16 bits a frame.
        audio.afterMix = [this](const Uint8* bytes, int length) {
            judge(reinterpret_cast<const Sint16*>(bytes), length / 4);
        };
    }
    ~MixedSound()
    {
        audio.beforeMix = nullptr;
        audio.afterMix = nullptr;
    }
    MixedSound(const MixedSound&) = delete;
    MixedSound& operator=(const MixedSound&) = delete;

    // Every judged buffer held what its channels play; the first buffers
    // that did not are named.
    ::testing::AssertionResult matches() const
    {
        if (wrong == 0)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << wrong << " of " << counts.judged << " buffers wrong: " << firstWrong;
    }

    Counts counts;

private:
    // What a buffer's mix reads of a channel, taken just before it.
    struct Playing {
        int id;
        bool bMusic;
        float gain, step;
        const float* frames;
        int cursor, end, length;
        bool bLoops;
    };

    static Mixer& mixer() { return *pKiv->pAudio->pMixer; }

    void look(int frames)
    {
        playing.clear();
        bJudged = mixer().output.format == AUDIO_S16LSB && mixer().output.channels == 2;
        for (BasicLink* link = mixer().pFirstChild; link; link = link->pNext) {
            const MixerChannel& channel = *static_cast<MixerChannel*>(link);
            if (link->bDead || !channel.playing)
                continue;
            const float rate = static_cast<float>(mixer().output.freq);
            const float master = channel.loop ? music : sounds;
            Playing p{channel.id, channel.loop,
                      static_cast<float>(static_cast<double>(master) * (static_cast<double>(channel.volume) / 1000.0)),
                      channel.frequency / rate, nullptr, channel.playCursor / 2, channel.playMax / 2, 0,
                      channel.pSource->loop};
            bJudged = bJudged && channel.pan == 0.0f && channel.panFrames == 0 && channel.volumeFrames == 0 &&
                      channel.frequencyFrames == 0;
            if (const auto* stream = dynamic_cast<const MixerOGGstream*>(channel.pSource)) {
                // A track is read from its start, at the device's rate.
                const std::vector<float>& track = decoded(*stream);
                long& at = trackPlace.try_emplace(channel.id, 0).first->second;
                bJudged = bJudged && channel.id >= firstWatched && p.step == 1.0f;
                p.frames = track.data();
                p.length = static_cast<int>(track.size() / 2);
                p.cursor = p.length > 0 ? static_cast<int>(at % p.length) : 0;
                p.end = p.length;
                at += frames;
            } else {
                p.frames = channel.pSource->data;
                p.length = channel.pSource->dataSize / 2;
            }
            playing.push_back(p);
        }
    }

    void judge(const Sint16* got, int frames)
    {
        const auto plays = [this](bool bMusic) {
            return std::any_of(playing.begin(), playing.end(),
                               [bMusic](const Playing& p) { return p.bMusic == bMusic; });
        };
        counts.withMusic += plays(true);
        counts.withSounds += plays(false);
        if (!bJudged) {
            ++counts.unjudged;
            return;
        }
        ++counts.judged;
        std::vector<float> sum(2 * static_cast<size_t>(frames), 0.0f);
        for (const Playing& p : playing) {
            // A pass that starts at the end of its range asks for the next:
            // a looping source starts again, any other has ended.
            const bool bAtEnd = p.cursor >= p.end;
            float position = bAtEnd ? 0.0f : static_cast<float>(p.cursor);
            float end = static_cast<float>(bAtEnd ? p.length : p.end);
            for (int k = 0; k < frames && p.length > 0 && (!bAtEnd || p.bLoops); ++k) {
                const int i = static_cast<int>(position);
                sum[2 * k] += p.gain * p.frames[2 * i];
                sum[2 * k + 1] += p.gain * p.frames[2 * i + 1];
                position += p.step;
                if (position < end)
                    continue;
                // The pass ends; a looping source starts again, dropping
                // the fraction, and any other ends the channel.
                if (!p.bLoops)
                    break;
                position = 0.0f;
                end = static_cast<float>(p.length);
            }
        }
        for (size_t i = 0; i < sum.size(); ++i) {
            const double clamped = std::clamp(static_cast<double>(sum[i]), -1.0, 1.0);
            const int expected = static_cast<int>(clamped * InStepAudio::FULL_SCALE);
            if (std::abs(expected - got[i]) <= 1)
                continue;
            if (wrong++ == 0) {
                std::ostringstream said;
                said << "buffer " << counts.judged + counts.unjudged << ", sample " << i << ": expected " << expected
                     << " got " << got[i] << " from channels";
                for (const Playing& p : playing)
                    said << " " << p.id << (p.bMusic ? " (music)" : " (sound)") << " at gain " << p.gain;
                firstWrong = said.str();
            }
            return;
        }
    }

    // The whole track, decoded here from the file the stream plays.
    const std::vector<float>& decoded(const MixerOGGstream& stream)
    {
        auto [at, bNew] = tracks.try_emplace(&stream);
        if (!bNew)
            return at->second;
        OggDecoder decoder;
        if (!stream.pFile || !decoder.open(stream.pFile->data, stream.pFile->size))
            return at->second;
        std::vector<float> chunk(2 * 4096);
        for (long got = 0; (got = decoder.readStereo(chunk.data(), 4096)) > 0;)
            at->second.insert(at->second.end(), chunk.begin(), chunk.begin() + 2 * got);
        return at->second;
    }

    InStepAudio& audio;
    const float music, sounds;
    // Tracks whose channels were made from here on are known from their start.
    const int32_t firstWatched;
    std::vector<Playing> playing;
    bool bJudged = false;
    int wrong = 0;
    std::string firstWrong;
    std::map<const MixerOGGstream*, std::vector<float>> tracks;
    std::map<int, long> trackPlace;
};

} // namespace testsupport
