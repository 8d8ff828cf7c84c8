#include "SoundStream.h"

#include "KivAudio.h"
#include "Logger.h"
#include "Mixer.h"
#include "MixerOGGstream.h"

SoundStream::SoundStream(const UString& fileName, bool loop) : file(fileName)
{
    if (!KivAudio::getMixer())
        return;
    KIV_LOG("Creating stream for '%s'.", fileName.c_str());
    pSource = new MixerOGGstream(&file, loop, 1);
}

SoundStream::~SoundStream()
{
    if (pSource) {
        if (Mixer* mixer = KivAudio::getMixer())
            mixer->stopSource(pSource);
        delete pSource;
        pSource = nullptr;
    }
}

void SoundStream::play()
{
    Mixer* mixer = KivAudio::getMixer();
    if (!mixer || mixer->isPlaying(channelId))
        return;
    channelId = mixer->play(pSource, true);
    mixer->start(channelId);
}

void SoundStream::stop()
{
    if (Mixer* mixer = KivAudio::getMixer())
        mixer->stop(channelId);
}

void SoundStream::setVolume(float volume, double seconds)
{
    if (Mixer* mixer = KivAudio::getMixer())
        mixer->setVolume(channelId, volume, seconds);
}

bool SoundStream::isPlaying() const
{
    const Mixer* mixer = KivAudio::getMixer();
    return mixer && mixer->isPlaying(channelId);
}
