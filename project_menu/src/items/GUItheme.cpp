#include "GUItheme.h"

#include "GUIitem.h"
#include "Kiv.h"
#include "ResourceManager.h"
#include "Texture.h"

void GUItheme::applyTexture(GUIitem* item, const char* key)
{
    item->setSkinTexture(pKiv->pResourceManager->findAs<Texture>(key));
}
