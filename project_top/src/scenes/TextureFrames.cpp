#include "TextureFrames.h"

#include "ErrorManager.h"
#include "Kiv.h"
#include "ResourceManager.h"

int TextureFrames::count(const char* key, int least, int most)
{
    const ResourceManager& resources = *pKiv->pResourceManager;
    int frames = 0;
    // One past the most is enough to know there are too many.
    while (frames <= most && resources.find(formatString("%s:%d", key, frames), false))
        ++frames;
    if (frames > most)
        KIV_ERROR("The texture '%s' has more than %d frames.", key, most);
    if (frames < least)
        KIV_ERROR("The texture '%s' has %d frames; it needs at least %d.", key, frames, least);
    return frames;
}
