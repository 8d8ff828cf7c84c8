#include "Loader.h"

#include "ApplicationInfo.h"
#include "ContextLanguageSelect.h"
#include "ContextManager.h"
#include "FileManager.h"
#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "KivAudio.h"
#include "KivGraphics.h"
#include "Language.h"
#include "Logger.h"
#include "Percentage.h"
#include "ResourceCatalogue.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "SoundStream.h"
#include "Texture.h"

#include <cstdint>

namespace {

int lastStep = 0;

bool isValidLanguage(int language)
{
    return language >= 0 && language < Language::LANGUAGE_MAX;
}

// The edition file may name a language this program does not have; the
// language table is never read beyond its end.
int editionLanguage()
{
    return isValidLanguage(pKiv->singleLanguage) ? pKiv->singleLanguage : 0;
}

// Loads "gfx/font/<code page>/font-<size>-<i>.tga" for i = 1, 2, ... up to
// the first file that does not exist.
void loadCodePageTextures(const UString& codePage, const char* size, const char* keySize, int flags)
{
    for (int i = 1;; ++i) {
        const UString file = formatString("gfx/font/%s/font-%s-%d.tga", codePage.c_str(), size, i);
        if (!pKiv->pFileManager->exists(file))
            return;
        registerResource(formatString("font%sCodepageTex%d", keySize, i), new Texture(file, flags));
    }
}

// The code-page glyphs take the symbols from 256 upwards, each texture
// continuing where the previous one ended.
void addCodePageGlyphs(FontQuad* font, const char* keySize)
{
    for (int i = 1;; ++i) {
        Texture* texture =
            pKiv->pResourceManager->findAs<Texture>(formatString("font%sCodepageTex%d", keySize, i), false);
        if (!texture)
            return;
        font->addSourceTexture(texture, i == 1 ? 256 : FontQuad::CONTINUE);
    }
}

}

Loader::Loader()
{
    KIV_LOG("Loading resources...");
    bDeleteWhenFinished = true;
    bEscapeCloses = false;
    bHideFps = true;
    if (!pKiv->bDebugOutput)
        bShowPointer = false;
    clearColor = UColor(0, 0, 0, 255);
    pProgressBar = new Percentage(pKiv->pResourceManager->findAs<Texture>("gui-game-progressBar"), 0, 1);
    addChildLast(pProgressBar);
    stepCount = loadStuff(true);
}

Loader::~Loader() = default;

void Loader::tickContents(double time, double frameDt)
{
    Context::tickContents(time, frameDt);
    const int step = loadStuff(false);
    pProgressBar->setValue(static_cast<float>(step) / static_cast<float>(stepCount));
}

int Loader::loadStuff(bool countOnly)
{
    if (countOnly) {
        std::vector<Step> counted;
        listSteps(counted);
        return static_cast<int>(counted.size());
    }
    // Made once, at the first step: the edition's settings do not change
    // while loading, so the list need not be made again every frame.
    if (runSteps.empty())
        listSteps(runSteps);
    const int count = static_cast<int>(runSteps.size());
    if (lastStep >= count)
        return count;
    // The counter moves first, so a step that pushes a screen or finishes
    // the loader is never run twice.
    const int step = ++lastStep;
    runSteps[static_cast<size_t>(step - 1)]();
    return step;
}

int Loader::getLastStep()
{
    return lastStep;
}

UString Loader::getCodePage() const
{
    if (pKiv->bMultilanguage)
        return UString();
    return pKiv->pLanguage->getTextInLanguage(editionLanguage(), Language::LANGUAGECODEPAGE);
}

void Loader::listSteps(std::vector<Step>& steps)
{
    // The first frame only shows the empty bar.
    steps.push_back([] {});
    ResourceCatalogue::appendMenuMusic(steps);
    steps.push_back([] {
        pKiv->pAudio->setMusicVolume(static_cast<float>(pGlobal->hst.musicVolume) / HSTdata::MAX_VOLUME);
        pKiv->pAudio->setMusic(pKiv->pResourceManager->findAs<SoundStream>("musicMenu"));
    });
    ResourceCatalogue::appendGameMusic(steps);
    ResourceCatalogue::appendFontTextures(steps);
    const UString codePage = getCodePage();
    if (!codePage.empty())
        appendCodePageSteps(steps, codePage);
    ResourceCatalogue::appendResources(steps);
    if (!pKiv->bMultilanguage)
        appendGlyphSteps(steps);
    steps.push_back([] {
        pGlobal->hst.bFullScreen = pKiv->pGraphics->bFullScreen;
        pGlobal->applySettings();
    });
    steps.push_back([this] { selectLanguage(); });
    steps.push_back([this] { finish(); });
}

void Loader::appendCodePageSteps(std::vector<Step>& steps, const UString& codePage)
{
    steps.push_back([codePage] {
        pKiv->pFileManager->useWad(dataArchiveName() + "." + codePage);
        loadCodePageTextures(codePage, "small", "Small", Texture::TEXTURE_SHRINK_TO_FIT | Texture::TEXTURE_KEEP_SOURCE);
    });
    steps.push_back([codePage] {
        loadCodePageTextures(codePage, "medium", "Medium",
                             Texture::TEXTURE_SHRINK_TO_FIT | Texture::TEXTURE_KEEP_SOURCE);
    });
    steps.push_back([codePage] {
        loadCodePageTextures(codePage, "large", "Large", Texture::TEXTURE_SHRINK_TO_FIT);
        pKiv->pFileManager->useWad(dataArchiveName());
    });
}

void Loader::appendGlyphSteps(std::vector<Step>& steps)
{
    steps.push_back([] { addCodePageGlyphs(pGlobal->pFontSmall, "Small"); });
    steps.push_back([] { addCodePageGlyphs(pGlobal->pFontMedium, "Medium"); });
    steps.push_back([] { addCodePageGlyphs(pGlobal->pFontLarge, "Large"); });
}

void Loader::selectLanguage()
{
    pKiv->singleLanguage = editionLanguage();
    if (!pKiv->bMultilanguage) {
        pKiv->defaultLanguage = pKiv->singleLanguage;
        kivLog("loadStuff", "Single language mode (%d).", pKiv->defaultLanguage);
        return;
    }
    if (!isValidLanguage(pKiv->defaultLanguage))
        pKiv->defaultLanguage = -1;
    kivLog("loadStuff", "Multilanguage mode (%d).", pKiv->defaultLanguage);
    if (pKiv->defaultLanguage < 0)
        pGlobal->pContextManager->pushContext(new ContextLanguageSelect());
}

void Loader::finish()
{
    // The language screen may close without a choice; the texts then stay in
    // the default language and the choice is asked for again next time.
    const int language = pKiv->defaultLanguage;
    pKiv->pLanguage->setCurrentLanguage(isValidLanguage(language) ? language : Language::DEFAULT_LANGUAGE);
    pGlobal->initPostLoader();
    bFinished = true;
}

void registerResource(const UString& key, KivBase* object)
{
    pGlobal->pResourceRoot->addChildLast(object);
    pKiv->pResourceManager->addResource(key, object);
}

void registerTextureFrames(const UString& key, Texture* texture)
{
    registerResource(key, texture);
    for (size_t i = 0; i < texture->skins.size(); ++i)
        pKiv->pResourceManager->addResource(formatString("%s:%d", key.c_str(), static_cast<int>(i)), texture->skins[i]);
}
