#include "ContextBFLogo.h"

#include "Kiv.h"
#include "RenderableTimed.h"
#include "ResourceManager.h"
#include "Skin.h"

ContextBFLogo::ContextBFLogo()
{
    bDeleteWhenFinished = true;
    bCloseOnKeys = true;
    bShowPointer = false;
    // The picture's soft glow is drawn for a light ground.
    clearColor = UColor(255, 255, 255, 255);
    pPicture = new RenderableTimed();
    pPicture->pSkin = pKiv->pResourceManager->findAs<Skin>("bfstudios:0");
    pPicture->fadeIn = FADE_TIME;
    pPicture->fadeOut = FADE_TIME;
    pPicture->lifetime = SHOW_TIME;
    pPicture->updateVisuals();
    addChildLast(pPicture);
}

void ContextBFLogo::tickContents(double time, double frameDt)
{
    Context::tickContents(time, frameDt);
    if (time >= SHOW_TIME)
        bFinished = true;
}
