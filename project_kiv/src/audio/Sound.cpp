#include "Sound.h"

#include "KivAudio.h"
#include "Logger.h"
#include "MemoryFile.h"
#include "Mixer.h"
#include "MixerOGGstatic.h"
#include "SoundChannel.h"

#include <cstdlib>

KIV_IMPLEMENT_CLASS(Sound, KivBase, nullptr);

namespace {

constexpr double SEMITONE = 1.0595;

float semitoneFactor(int semitones)
{
    const long long steps = std::llabs(static_cast<long long>(semitones));
    double factor = 1.0;
    // Beyond a few thousand steps the product is out of any audible range
    // anyway.
    for (long long k = 0; k < steps && factor < 1e300; ++k)
        factor *= SEMITONE;
    return static_cast<float>(semitones < 0 ? 1.0 / factor : factor);
}

} // namespace

Sound::Sound(const UString& fileName, bool loop, int maxPlaybacks)
{
    if (!KivAudio::getMixer())
        return;
    KIV_LOG("Loading sound file '%s'.", fileName.c_str());
    MemoryFile file(fileName);
    pSource = new MixerOGGstatic(&file, loop, maxPlaybacks);
}

Sound::~Sound()
{
    if (pSource) {
        if (Mixer* mixer = KivAudio::getMixer())
            mixer->stopSource(pSource);
        delete pSource;
        pSource = nullptr;
    }
}

float Sound::randomPitchFactor() const
{
    const unsigned u = static_cast<unsigned>(std::rand()) & 0xffffu;
    const float r = static_cast<float>(u * (1.0 / 65536.0));
    return (pitchMin + r * (pitchMax - pitchMin)) + 1.0f;
}

void Sound::play()
{
    playAtFrequency(randomPitchFactor());
}

void Sound::playAt(V3 position)
{
    SoundChannel channel(this);
    channel.setPanFromScreenX(position);
    channel.setFrequency(randomPitchFactor(), 0.0);
    channel.play();
}

void Sound::playAtFrequency(float frequency)
{
    SoundChannel channel(this);
    channel.setFrequency(frequency, 0.0);
    channel.play();
}

void Sound::playPitched(int semitones)
{
    playAtFrequency(semitoneFactor(semitones));
}
