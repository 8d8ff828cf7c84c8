#include "LanguageFlag.h"

#include "Context.h"
#include "ContextManager.h"
#include "ErrorManager.h"
#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "KivInput.h"
#include "Language.h"
#include "ResourceManager.h"
#include "Texture.h"

LanguageFlag::LanguageFlag(int flagLanguage) : language(flagLanguage)
{
    const Texture* flags = pKiv->pResourceManager->findAs<Texture>("languageFlags");
    KIV_ASSERT(language >= 0 && static_cast<size_t>(language) < flags->skins.size());
    // Before the first transform, so that the point test works from the start.
    bHasInvXform = true;
    pSkin = flags->skins[static_cast<size_t>(language)];
    updateVisuals();
}

void LanguageFlag::tick(double, double)
{
    const Context* screen = pKiv->pCurrentContext;
    hovered = isPointInside(V3(screen->mouseX, screen->mouseY, 0.0f));
    if (hovered && pKiv->pInput->isMouseButtonPressed()) {
        pKiv->defaultLanguage = language;
        pGlobal->pContextManager->getActiveContext()->bFinished = true;
    }
}

void LanguageFlag::render()
{
    Renderable::render();
    if (!hovered)
        return;
    const char* name = pKiv->pLanguage->getTextInLanguage(language, Language::LANGUAGENAME);
    pGlobal->pFontMedium->printShadowAt(position.x + NAME_OFFSET, position.y, position.z, UColor(255, 255, 255, 255),
                                        FontQuad::PRINT_CENTRE_Y, name, 0.0f, -2.0f, 0.0f, UColor(0, 0, 0, 64));
}
