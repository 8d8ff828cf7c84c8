#include "MixerOGG.h"

#include "ErrorManager.h"
#include "Logger.h"
#include "MemoryFile.h"

MixerOGG::MixerOGG(MemoryFile* file, bool loopAtEnd, int playbacks)
    : maxPlaybacks(playbacks), pFile(file), loop(loopAtEnd)
{
    if (!decoder.open(pFile->data, pFile->size))
        kivFatalStatement("Assertion failed.", "ov_open_callbacks(this, &vf, NULL, 0, cb)==0", __func__, __FILE__,
                          __LINE__);
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

long MixerOGG::decode(float* destination, int maxFrames, const char* function, const char* sourceFile, int line)
{
    const long result = decoder.readStereo(destination, maxFrames);
    if (result == OggDecoder::UNHANDLED_CHANNELS)
        kivFatal("Error: %s\n Function: %s()\n File: %s\n Line: %d",
                 formatString("Unhandled number of channels: %d", decoder.getCurrentChannels()).c_str(), function,
                 sourceFile, line);
    if (result < 0)
        kivFatalStatement("Assertion failed.", "result>=0", function, sourceFile, line);
    return result;
}
