#include "EffectSupport.h"

#include "Global.h"
#include "Kiv.h"
#include "MyGlobal.h"
#include "ResourceManager.h"

#include <cstdlib>

double EffectSupport::randomFraction()
{
    return (std::rand() & 0xFFFF) / 65536.0;
}

bool EffectSupport::highDetail()
{
    return pGlobal->hst.detail > 0;
}

GameController* EffectSupport::currentGame()
{
    MyGlobal* global = getMyGlobal();
    return global ? global->pCurrentGame : nullptr;
}

int EffectSupport::frameCount(const UString& key)
{
    int frames = 0;
    while (pKiv->pResourceManager->find(formatString("%s:%d", key.c_str(), frames), false))
        ++frames;
    return frames;
}
