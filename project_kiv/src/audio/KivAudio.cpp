#include "KivAudio.h"

#include "AudioOutput.h"
#include "ErrorManager.h"
#include "Kiv.h"
#include "Logger.h"
#include "MemoryIniFile.h"
#include "Mixer.h"
#include "MixerChannel.h"
#include "SoundStream.h"

#include <SDL/SDL.h>

#include <cstring>

KIV_IMPLEMENT_ROOT_CLASS(KivAudio, nullptr);

namespace {

// The largest multiple of 256 that fits SDL's 16-bit sample count.
constexpr double MAX_SAMPLES = 65280.0;
// Working ranges of the configured rate (Hz) and device buffer (seconds).
constexpr int MIN_FREQUENCY = 8000;
constexpr int MAX_FREQUENCY = 96000;
constexpr double MIN_BUFFER_DURATION = 0.01;
constexpr double MAX_BUFFER_DURATION = 0.5;

void dumpInfo(const SDL_AudioSpec* audio)
{
    KIV_LOG("\tfreq: %d", audio->freq);
    switch (audio->format) {
    case AUDIO_S8: KIV_LOG("\tformat: AUDIO_S8"); break;
    case AUDIO_U16LSB: KIV_LOG("\tformat: AUDIO_U16LSB"); break;
    case AUDIO_S16LSB: KIV_LOG("\tformat: AUDIO_S16LSB"); break;
    case AUDIO_U16MSB: KIV_LOG("\tformat: AUDIO_U16MSB"); break;
    case AUDIO_S16MSB: KIV_LOG("\tformat: AUDIO_S16MSB"); break;
    default: break;
    }
    KIV_LOG("\tchannels %d", audio->channels);
    KIV_LOG("\tsilence %d", audio->silence);
    KIV_LOG("\tsamples %d", audio->samples);
    KIV_LOG("\tpadding %d", audio->padding);
    KIV_LOG("\tsize %d", static_cast<int>(audio->size));
}

// Sample frames per device buffer: frequency x duration rounded down to a
// multiple of 256. Out-of-range products are clamped to what the 16-bit field
// holds instead of wrapping; 0 lets SDL choose.
Uint16 bufferSamples(int frequency, double mixBufferDuration)
{
    double product = static_cast<double>(frequency) * mixBufferDuration;
    if (!(product > 0.0))
        return 0;
    if (product > MAX_SAMPLES)
        product = MAX_SAMPLES;
    return static_cast<Uint16>(static_cast<int32_t>(product) & ~0xff);
}

} // namespace

KivAudio::KivAudio(AudioOutput& audioOutput) : output(audioOutput)
{
    KIV_LOG("Starting...");
    const UString& section = classRecord.name;
    MemoryIniFile* config = pKiv->pConfig;
    bMute = config->readBool(section, "bMute", false);
    frequency = config->readIntInRange(section, "frequency", 22050, MIN_FREQUENCY, MAX_FREQUENCY);
    const double mixBufferDuration =
        config->readDoubleInRange(section, "mixBufferDuration", 0.1, MIN_BUFFER_DURATION, MAX_BUFFER_DURATION);
    if (bMute) {
        KIV_LOG("Sound has been muted.");
    } else {
        SDL_AudioSpec desired;
        std::memset(&desired, 0, sizeof(desired));
        desired.freq = frequency;
        desired.format = AUDIO_S16LSB;
        desired.channels = 2;
        desired.samples = bufferSamples(frequency, mixBufferDuration);
        desired.callback = audioCallback;
        desired.userdata = this;
        KIV_LOG("Desired audio spec:");
        dumpInfo(&desired);
        SDL_AudioSpec obtained;
        output.open(desired, obtained);
        KIV_LOG("Obtained audio spec:");
        dumpInfo(&obtained);
        // The output is still paused, so the callback cannot run before this.
        pMixer = new Mixer(obtained);
    }
    output.pause(false);
    KIV_LOG("Started.");
}

KivAudio::Lock::Lock()
{
    if (pKiv && pKiv->pAudio)
        pKiv->pAudio->output.lock();
}

KivAudio::Lock::~Lock()
{
    if (pKiv && pKiv->pAudio)
        pKiv->pAudio->output.unlock();
}

void KivAudio::storeSettings() const
{
    pKiv->pConfig->setInt(classRecord.name, "frequency", frequency);
}

KivAudio::~KivAudio()
{
    storeSettings();
    output.pause(true);
    if (pMixer) {
        // Pausing does not wait for a callback already running; the lock does.
        output.lock();
        delete pMixer;
        pMixer = nullptr;
        output.unlock();
    }
}

const RuntimeClass* KivAudio::getRuntimeClass() const
{
    return &classRecord;
}

void KivAudio::onKIVmodeChange(int oldMode, int newMode)
{
    if (oldMode == Kiv::MODE_OK && newMode == Kiv::MODE_INACTIVE)
        output.pause(true);
    else if (oldMode == Kiv::MODE_INACTIVE && newMode == Kiv::MODE_OK)
        output.pause(false);
}

void KivAudio::pauseDevice()
{
    output.pause(true);
}

Mixer* KivAudio::getMixer()
{
    if (!pKiv || !pKiv->pAudio || pKiv->pAudio->bMute)
        return nullptr;
    return pKiv->pAudio->pMixer;
}

void KivAudio::update(double time)
{
    frameTime = time;
    if (bMute)
        return;
    output.pull(time);
    pMixer->update();
}

void KivAudio::setSoundVolume(float volume)
{
    if (!bMute)
        pMixer->soundVolume.store(volume, std::memory_order_relaxed);
}

void KivAudio::setMusicVolume(float volume)
{
    if (!bMute)
        pMixer->musicVolume.store(volume, std::memory_order_relaxed);
}

void KivAudio::stopAll()
{
    if (bMute)
        return;
    {
        Lock lock;
        for (const BasicLink* node = pMixer->pFirstChild; node; node = node->pNext)
            Mixer::tellEnded(*static_cast<const MixerChannel*>(node), "stopped");
        pMixer->deleteAllChildren();
    }
    pMusic = nullptr;
}

void KivAudio::setMusic(SoundStream* stream)
{
    if (stream == pMusic)
        return;
    if (pMusic)
        pMusic->stop();
    pMusic = stream;
    if (pMusic)
        pMusic->play();
}

void KivAudio::fadeMusic(float volume, double seconds)
{
    if (!pMusic)
        return;
    pMusic->setVolume(volume, seconds);
    if (volume == 0.0f)
        pMusic = nullptr;
}

void KivAudio::stopMusic()
{
    if (pMusic)
        pMusic->stop();
    pMusic = nullptr;
}

void KivAudio::audioCallback(void* userdata, Uint8* stream, int len)
{
    static_cast<KivAudio*>(userdata)->pMixer->mix(stream, len);
}
