#include "SoundChannel.h"

#include "ErrorManager.h"
#include "Kiv.h"
#include "KivAudio.h"
#include "KivGraphics.h"
#include "Mixer.h"
#include "MixerOGGstatic.h"
#include "Sound.h"

#include <algorithm>

KIV_IMPLEMENT_CLASS(SoundChannel, KivBase, nullptr);

namespace {
// Values up to this are factors of the sound's own rate, larger ones Hz.
constexpr float MAX_FREQUENCY_FACTOR = 100.0f;
}

SoundChannel::SoundChannel(Sound* sound) : pSound(sound)
{
    KIV_ASSERT(pSound!=NULL);
    if (Mixer* mixer = KivAudio::getMixer())
        channelId = mixer->play(pSound->pSource, false);
}

SoundChannel::~SoundChannel() = default;

void SoundChannel::play()
{
    Mixer* mixer = KivAudio::getMixer();
    if (!mixer)
        return;
    const double now = pKiv->pAudio->frameTime;
    if (now >= pSound->lastStartTime + pSound->minStartInterval) {
        mixer->start(channelId);
        pSound->lastStartTime = now;
    } else {
        mixer->stop(channelId);
    }
}

void SoundChannel::stop()
{
    if (Mixer* mixer = KivAudio::getMixer())
        mixer->stop(channelId);
}

void SoundChannel::setFrequency(float frequency, double seconds)
{
    Mixer* mixer = KivAudio::getMixer();
    if (!mixer)
        return;
    const float hz = frequency > MAX_FREQUENCY_FACTOR
                         ? frequency
                         : std::max(frequency, 0.0f) * static_cast<float>(pSound->pSource->rate);
    mixer->setFrequency(channelId, hz, seconds);
}

void SoundChannel::setVolume(float volume, double seconds)
{
    if (Mixer* mixer = KivAudio::getMixer())
        mixer->setVolume(channelId, volume, seconds);
}

void SoundChannel::setPan(float pan, double seconds)
{
    if (Mixer* mixer = KivAudio::getMixer())
        mixer->setPan(channelId, pan, seconds);
}

void SoundChannel::setPanFromScreenX(V3 position)
{
    const int fovWidth = pKiv->pGraphics->fovWidth;
    const float left = static_cast<float>(-fovWidth / 2);
    const float right = static_cast<float>(fovWidth / 2);
    const float t = (position.x - left) / (right - left);
    // A view at most 1 unit wide has no extent (t is then infinite or NaN):
    // sides keep their side and the centre (NaN) stays in the centre.
    float pan = 0.0f;
    if (t < 0.0f)
        pan = -1.0f;
    else if (t > 1.0f)
        pan = 1.0f;
    else if (t >= 0.0f)
        pan = (t + t) - 1.0f;
    setPan(pan, 0.0);
}

void SoundChannel::setPosition(float fraction)
{
    if (Mixer* mixer = KivAudio::getMixer())
        mixer->setPosition(channelId, fraction);
}

bool SoundChannel::isPlaying() const
{
    const Mixer* mixer = KivAudio::getMixer();
    return mixer && mixer->isPlaying(channelId);
}
