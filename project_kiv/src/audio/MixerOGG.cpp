#include "MixerOGG.h"

#include "ErrorManager.h"
#include "FileManager.h"
#include "Logger.h"
#include "MemoryFile.h"

MixerOGG::MixerOGG(MemoryFile* file, bool loopAtEnd, int playbacks)
    : maxPlaybacks(playbacks), pFile(file), loop(loopAtEnd), fileDescription(FileManager::describeDataFile(file->name))
{
    if (!decoder.open(pFile->data, pFile->size))
        kivFatalStatement(formatString("File %s cannot be decoded as Ogg Vorbis.", fileDescription.c_str()).c_str(),
                          "ov_open_callbacks(this, &vf, NULL, 0, cb)==0", __func__, __FILE__, __LINE__);
    channels = decoder.getChannels();
    rate = decoder.getRate();
    KIV_LOG("\t%d Hz, %s.", rate, channels == 1 ? "mono" : "stereo");
    length = decoder.getLength();
}

MixerOGG::~MixerOGG()
{
    delete[] data;
    data = nullptr;
}

void MixerOGG::reportFailure()
{
    const char* reason = failure.load();
    if (!reason || bFailureReported)
        return;
    bFailureReported = true;
    kivLog("MixerOGG", "File %s cannot be decoded further (%s); the music stops.", fileDescription.c_str(), reason);
}

void MixerOGG::reportDamage()
{
    if (bDamageReported || !decoder.hasSkippedHole())
        return;
    bDamageReported = true;
    kivLog("MixerOGG", "File %s is damaged; the damaged part is skipped.", fileDescription.c_str());
}
