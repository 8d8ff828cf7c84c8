#include "MixerChannel.h"

#include "ErrorManager.h"
#include "Mixer.h"
#include "MixerOGG.h"

#include <algorithm>

namespace {

struct PanFactors {
    float left;
    float right;
};

// Moving right lowers only the left side, linearly to 0 at full right, and
// the other way round.
PanFactors panFactors(float pan)
{
    const float p = pan / 1000.0f;
    return {1.0f - std::clamp(p, 0.0f, 1.0f), std::clamp((pan + 1000.0f) / 1000.0f, 0.0f, 1.0f)};
}

// A negative (or NaN) frequency, which a fade towards 0 can reach by rounding,
// holds the position instead of walking before the first frame.
float stepFor(float frequency, float outputRate)
{
    return frequency > 0.0f ? frequency / outputRate : 0.0f;
}

// Adds the source frame under position to the next output frame, then moves
// both on. Declared inline because at -O2 the compiler otherwise keeps it a
// call, which makes the mixing loops more than twice as slow.
inline void mixFrame(float*& out, const float* data, float& position, float step, float leftGain, float rightGain)
{
    const int i = static_cast<int>(position);
    out[0] += leftGain * data[2 * i];
    out[1] += rightGain * data[2 * i + 1];
    out += 2;
    position += step;
}

} // namespace

MixerChannel::MixerChannel(MixerOGG* source) : frequency(static_cast<float>(source->rate)), pSource(source)
{
    pSource->rewind();
    pSource->refill(playCursor, playMax);
}

MixerChannel::~MixerChannel() = default;

float MixerChannel::gainAt(float level) const
{
    const Mixer* mixer = static_cast<const Mixer*>(getParent());
    const float master = loop ? mixer->musicVolume.load(std::memory_order_relaxed)
                              : mixer->soundVolume.load(std::memory_order_relaxed);
    return static_cast<float>(static_cast<double>(master) * (static_cast<double>(level) / 1000.0));
}

void MixerChannel::mixChannel(float* mixBuffer, int numSamples)
{
    if (!playing)
        return;
    const int frames = numSamples / 2;
    if (frames <= 0)
        return;
    const Mixer* mixer = static_cast<const Mixer*>(getParent());
    float* out = mixBuffer;
    float* const end = mixBuffer + 2 * frames;
    for (;;) {
        if (!pSource->refill(playCursor, playMax)) {
            bDead = 1;
            return;
        }
        const float outputRate = static_cast<float>(mixer->output.freq);
        KIV_ASSERT(playCursor%2==0);
        KIV_ASSERT(playMax%2==0);
        // A range that is empty or lies outside the data (an empty sample
        // that loops) has nothing to play: reading it would leave the data.
        if (playCursor < 0 || playCursor >= playMax || playMax > pSource->dataSize) {
            bDead = 1;
            return;
        }
        const float* data = pSource->data;
        float position = static_cast<float>(playCursor / 2);
        const float endPosition = static_cast<float>(playMax / 2);
        PanFactors factors = panFactors(pan);
        float gain = gainAt(volume);
        float step = stepFor(frequency, outputRate);

        if (panFrames == 0 && volumeFrames == 0 && frequencyFrames == 0) {
            const float leftGain = factors.left * gain;
            const float rightGain = factors.right * gain;
            do {
                mixFrame(out, data, position, step, leftGain, rightGain);
            } while (position < endPosition && out < end);
        } else {
            do {
                if (panFrames > 0) {
                    pan += panDelta;
                    factors = panFactors(pan);
                    --panFrames;
                }
                if (volumeFrames > 0) {
                    volume += volumeDelta;
                    gain = gainAt(volume);
                    --volumeFrames;
                    if (volumeFrames == 0 && volume < 1.0f) {
                        bDead = 1;
                        return;
                    }
                }
                if (frequencyFrames > 0) {
                    frequency += frequencyDelta;
                    step = stepFor(frequency, outputRate);
                    --frequencyFrames;
                }
                mixFrame(out, data, position, step, factors.left * gain, factors.right * gain);
            } while (position < endPosition && out < end);
        }
        // Past the end only "at or beyond playMax" matters to the source, and
        // a huge step must not overflow the integer cursor.
        playCursor = position < endPosition ? 2 * static_cast<int32_t>(position) : playMax;
        if (out >= end)
            return;
    }
}
