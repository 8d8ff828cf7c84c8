#include "Logo.h"

#include "Kiv.h"
#include "ResourceManager.h"
#include "Skin.h"

Logo::Logo()
{
    Skin* skin = pKiv->pResourceManager->findAs<Skin>("logo:all");
    if (skin != pSkin) {
        pSkin = skin;
        updateVisuals();
    }
}
