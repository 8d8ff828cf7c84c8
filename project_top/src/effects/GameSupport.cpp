#include "effects/GameSupport.h"

#include "Global.h"
#include "Kiv.h"
#include "ResourceManager.h"
#include "rules/StandardRandom.h"

double GameSupport::randomFraction()
{
    return StandardRandom::shared().fraction();
}

bool GameSupport::highDetail()
{
    return pGlobal->hst.detail > 0;
}

int GameSupport::detailLevel()
{
    return pGlobal->hst.detail;
}

int GameSupport::frameCount(const UString& key)
{
    int frames = 0;
    while (pKiv->pResourceManager->find(formatString("%s:%d", key.c_str(), frames), false))
        ++frames;
    return frames;
}
