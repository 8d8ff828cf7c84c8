#include "Logo.h"

#include "Kiv.h"
#include "ResourceManager.h"
#include "Skin.h"

Logo::Logo()
{
    pSkin = pKiv->pResourceManager->findAs<Skin>("logo:all");
    updateVisuals();
}
