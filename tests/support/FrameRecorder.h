#pragma once
// FrameRecorder: what a run did frame by frame, for tests to assert on: the
// sounds started in each frame (by resource key) and the key of the music
// track current after it; an observer may look at the game after each
// frame. Sounds are seen through what the engine
// keeps anyway: a start sets the Sound's lastStartTime to the engine time,
// which the FrameDriver moves on every frame, so a lastStartTime that
// changed across a frame is a start in that frame. Several starts of one
// sound in a frame count once; a start refused by the sound's minimum
// interval is none. Audio must not be muted (a muted engine starts nothing);
// tests run with SDL's dummy audio driver.
//
// Records only while bRecording is set. GameHarness calls beforeFrame and
// afterFrame around each step; a test with a driver of its own may do the
// same. Main thread only.
#include "Kiv.h"
#include "KivAudio.h"
#include "KivBase.h"
#include "ResourceManager.h"
#include "Sound.h"
#include "SoundStream.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

struct FrameRecord {
    // The driver's step count after the frame.
    int frame = 0;
    std::vector<std::string> sounds;
    // Empty while no track is current.
    std::string music;
};

class FrameRecorder {
public:
    // Takes note of every sound among soundRoot's children (for the game:
    // Global's resource root).
    void beforeFrame(const KivBase* soundRoot)
    {
        starts.clear();
        if (!bRecording)
            return;
        for (const BasicLink* link = soundRoot->pFirstChild; link; link = link->pNext)
            if (const Sound* sound = dynamic_cast<const Sound*>(static_cast<const KivBase*>(link)))
                starts.emplace_back(sound, sound->lastStartTime);
    }

    void afterFrame(int frame)
    {
        if (!bRecording)
            return;
        FrameRecord record;
        record.frame = frame;
        const ResourceManager& resources = *pKiv->pResourceManager;
        for (const auto& [sound, lastStart] : starts)
            if (sound->lastStartTime != lastStart)
                record.sounds.push_back(resources.findKey(sound));
        if (const SoundStream* music = pKiv->pAudio->pMusic)
            record.music = resources.findKey(music);
        if (observer)
            observer(record);
        frames.push_back(std::move(record));
    }

    // The number of recorded frames in which the sound started.
    int timesStarted(const std::string& key) const
    {
        return static_cast<int>(std::count_if(frames.begin(), frames.end(), [&key](const FrameRecord& record) {
            return std::find(record.sounds.begin(), record.sounds.end(), key) != record.sounds.end();
        }));
    }

    bool bRecording = false;
    std::vector<FrameRecord> frames;
    // Called after each recorded frame.
    std::function<void(const FrameRecord&)> observer;

private:
    std::vector<std::pair<const Sound*, double>> starts;
};

} // namespace testsupport
