#include "board/TextureFrames.h"

#include "ErrorManager.h"
#include "Kiv.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "Texture.h"
#include "effects/GameSupport.h"

TextureFrames::TextureFrames(const char* textureKey)
    : key(textureKey), texture(GameSupport::resource<Texture>(key)), count(GameSupport::frameCount(key))
{
}

Skin* TextureFrames::frame(int index) const
{
    if (index < 0 || index >= count)
        KIV_ERROR("Texture '%s' has %d frames; frame %d is needed.", key.c_str(), count, index);
    return GameSupport::resource<Skin>(formatString("%s:%d", key.c_str(), index));
}

void TextureFrames::requireCount(int least, int most) const
{
    if (count < least || count > most)
        KIV_ERROR("Texture '%s' has %d frames; %d to %d are needed.", key.c_str(), count, least, most);
}

void TextureFrames::requireAtLeastAsMany(const TextureFrames& base) const
{
    if (count < base.count)
        KIV_ERROR("Texture '%s' has %d frames, fewer than the %d of '%s'.", key.c_str(), count, base.count,
                  base.key.c_str());
}
