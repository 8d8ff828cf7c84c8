#include "Mixer.h"

#include "BasicLinkIterator.h"
#include "ErrorManager.h"
#include "Kiv.h"
#include "KivAudio.h"
#include "KivObserver.h"
#include "Logger.h"
#include "MixerChannel.h"
#include "MixerOGG.h"

#include <algorithm>
#include <climits>

namespace {

// Full scale stays a little inside the format's range, as the engine always
// did.
constexpr double FULL_SCALE_8 = 125.0;
constexpr double FULL_SCALE_16 = 32760.0;

template <typename Store>
void convertSamples(float* samples, int numSamples, Store store)
{
    for (int i = 0; i < numSamples; ++i) {
        float s = samples[i];
        if (s < -1.0f)
            s = -1.0f;
        else if (s > 1.0f)
            s = 1.0f;
        samples[i] = s;
        store(i, static_cast<double>(s));
    }
}

} // namespace

Mixer::Mixer(SDL_AudioSpec obtained) : output(obtained)
{
    bytesPerSample = static_cast<int32_t>(output.size / (static_cast<unsigned>(output.channels) * output.samples));
    secondsPerSample = 1.0 / output.freq;
    mixBufferSize = 2 * output.samples;
    mixBuffer = new float[mixBufferSize];
    KIV_LOG("Allocating mix buffer: %d samples", mixBufferSize);
}

Mixer::~Mixer()
{
    delete[] mixBuffer;
    mixBuffer = nullptr;
}

int32_t Mixer::play(MixerOGG* source, bool loop)
{
    {
        KivAudio::Lock lock;
        MixerChannel* oldest = nullptr;
        int count = 0;
        BasicLinkIterator it(this);
        while (KivBase* child = it.next()) {
            MixerChannel* channel = static_cast<MixerChannel*>(child);
            if (channel->pSource != source)
                continue;
            if (!oldest)
                oldest = channel;
            ++count;
        }
        if (oldest && source->maxPlaybacks <= count) {
            tellEnded(*oldest, "replaced");
            removeChild(oldest);
            delete oldest;
        }
    }
    // Built outside the lock: it touches only itself and its source, whose
    // single-playback channel (a stream's) was removed just above.
    MixerChannel* channel = new MixerChannel(source);
    channel->id = nextChannelId++;
    channel->loop = loop;
    {
        KivAudio::Lock lock;
        addChildLast(channel);
    }
    return channel->id;
}

void Mixer::stopSource(MixerOGG* source)
{
    KivAudio::Lock lock;
    reportDamageAndDeleteEndedChannels(source);
}

MixerChannel* Mixer::getChannel(int32_t id) const
{
    if (id < 0)
        return nullptr;
    for (BasicLink* node = pFirstChild; node; node = node->pNext) {
        if (node->bDead || node->bDetached)
            continue;
        MixerChannel* channel = static_cast<MixerChannel*>(node);
        if (channel->id == id)
            return channel;
    }
    return nullptr;
}

bool Mixer::isPlaying(int32_t id) const
{
    const MixerChannel* channel = getChannel(id);
    return channel && channel->playing;
}

void Mixer::setPosition(int32_t id, float fraction)
{
    KivAudio::Lock lock;
    MixerChannel* channel = getChannel(id);
    if (!channel || channel->playMax <= 0)
        return;
    // Outside 0..1 (or NaN) the cursor would point before or past the data.
    if (!(fraction >= 0.0f))
        fraction = 0.0f;
    else if (fraction > 1.0f)
        fraction = 1.0f;
    int32_t cursor = static_cast<int32_t>(static_cast<float>(channel->playMax) * fraction);
    channel->playCursor = std::min(cursor & ~1, channel->playMax);
}

void Mixer::setVolume(int32_t id, float volume, double seconds)
{
    KivAudio::Lock lock;
    if (MixerChannel* channel = getChannel(id))
        setFade(channel->volume, channel->volumeFrames, channel->volumeDelta,
                std::clamp(volume * 1000.0f, 0.0f, 1000.0f), seconds);
}

void Mixer::setFrequency(int32_t id, float frequency, double seconds)
{
    KivAudio::Lock lock;
    if (MixerChannel* channel = getChannel(id))
        setFade(channel->frequency, channel->frequencyFrames, channel->frequencyDelta, frequency, seconds);
}

void Mixer::setPan(int32_t id, float pan, double seconds)
{
    KivAudio::Lock lock;
    if (MixerChannel* channel = getChannel(id))
        setFade(channel->pan, channel->panFrames, channel->panDelta, std::clamp(pan * 1000.0f, -1000.0f, 1000.0f),
                seconds);
}

void Mixer::setFade(float& value, int32_t& frames, float& delta, float target, double seconds) const
{
    double exact = seconds / secondsPerSample;
    int32_t count;
    if (exact >= static_cast<double>(INT32_MAX))
        count = INT32_MAX;
    else if (exact > static_cast<double>(INT32_MIN))
        count = static_cast<int32_t>(exact);
    else
        count = INT32_MIN; // also NaN: a fade that never steps
    if (count == 0) {
        value = target;
        frames = 0;
        return;
    }
    frames = count;
    delta = (target - value) / static_cast<float>(count);
}

void Mixer::stop(int32_t id)
{
    KivAudio::Lock lock;
    if (MixerChannel* channel = getChannel(id)) {
        tellEnded(*channel, "stopped");
        removeChild(channel);
        delete channel;
    }
}

void Mixer::start(int32_t id)
{
    KivAudio::Lock lock;
    if (MixerChannel* channel = getChannel(id)) {
        channel->playing = true;
        if (pKiv && pKiv->pObserver)
            pKiv->pObserver->onChannelStarted(*channel);
    }
}

void Mixer::update()
{
    KivAudio::Lock lock;
    reportDamageAndDeleteEndedChannels(nullptr);
}

void Mixer::tellEnded(const MixerChannel& channel, const char* why)
{
    if (!pKiv || !pKiv->pObserver)
        return;
    if (channel.bDead)
        why = channel.volumeFrames == 0 && channel.volume < 1.0f ? "faded out" : "ended";
    pKiv->pObserver->onChannelEnded(channel, why);
}

void Mixer::reportDamageAndDeleteEndedChannels(const MixerOGG* stopped)
{
    // Each source is still there: a channel never outlives its source, which
    // has stopSource delete its channels before it goes. The log is the main
    // thread's, so a hole the audio thread met is told here, within a frame.
    for (BasicLink* node = pFirstChild; node; node = node->pNext) {
        MixerChannel& channel = *static_cast<MixerChannel*>(node);
        channel.pSource->reportDamage();
        if (node->bDead || channel.pSource == stopped) {
            tellEnded(channel, "stopped");
            node->bDead = 1;
            channel.pSource->reportFailure();
        }
    }
    BasicLinkIterator it(this, true);
    while (it.next()) {
    }
}

void Mixer::mix(Uint8* stream, int len)
{
    std::fill(mixBuffer, mixBuffer + mixBufferSize, 0.0f);
    int numSamples = len / bytesPerSample;
    KIV_ASSERT(numSamples<=mixBufferSize);
    BasicLinkIterator it(this);
    while (KivBase* child = it.next())
        static_cast<MixerChannel*>(child)->mixChannel(mixBuffer, numSamples);
    convert(stream, numSamples);
}

void Mixer::convert(Uint8* stream, int numSamples)
{
    switch (output.format) {
    case AUDIO_U8:
        convertSamples(mixBuffer, numSamples, [stream](int i, double s) {
            stream[i] = static_cast<Uint8>(static_cast<int>(s * FULL_SCALE_8 + 128.0));
        });
        break;
    case AUDIO_S8:
        convertSamples(mixBuffer, numSamples, [stream](int i, double s) {
            stream[i] = static_cast<Uint8>(static_cast<int>(s * FULL_SCALE_8));
        });
        break;
    case AUDIO_U16LSB:
    case AUDIO_S16LSB:
    case AUDIO_U16MSB:
    case AUDIO_S16MSB: {
        const double offset = (output.format & 0x8000) ? 0.0 : 32768.0;
        const bool bigEndian = (output.format & 0x1000) != 0;
        convertSamples(mixBuffer, numSamples, [stream, offset, bigEndian](int i, double s) {
            const unsigned value = static_cast<unsigned>(static_cast<int>(s * FULL_SCALE_16 + offset));
            const Uint8 low = static_cast<Uint8>(value & 0xff);
            const Uint8 high = static_cast<Uint8>((value >> 8) & 0xff);
            stream[2 * i] = bigEndian ? high : low;
            stream[2 * i + 1] = bigEndian ? low : high;
        });
        break;
    }
    default:
        break;
    }
}
