#pragma once
// Loader: the first screen of a run. Global::initPreLoader pushes it over an
// otherwise empty stack; it then loads every texture, font, sound and music
// track of the program (the ResourceCatalogue), one numbered step per frame,
// behind a progress bar on black, so the window stays responsive while
// loading. Its last steps apply the settings, select the language and run
// Global::initPostLoader, which pushes the next screens; then it is finished
// and the stack deletes it once it is on top again.
//
// The step counter is one per process, never reset: loading happens once
// per run, and a second loader would find every step done. The loaded
// resources belong to Global's resource root. Main thread only.
#include "Context.h"
#include "UString.h"

#include <functional>
#include <vector>

class KivBase;
class Percentage;
class Texture;

class Loader : public Context {
public:
    using Step = std::function<void()>;

    // Needs "gui-game-progressBar" registered (fatal otherwise).
    Loader();
    ~Loader() override;
    Loader(const Loader&) = delete;
    Loader& operator=(const Loader&) = delete;

    // The bar, then the next step, then the bar's new value.
    void tickContents(double t, double dt) override;
    // countOnly: the number of steps of this run (114 with several languages,
    // 117 for one language, 120 for one language with a code page of its
    // own), nothing done. Otherwise performs the first step not yet done and
    // returns its number (from 1); once all are done, does nothing and
    // returns the count.
    int loadStuff(bool countOnly);
    // The number of the last step performed in this process; 0 before any.
    static int getLastStep();

    // Owned through the object tree.
    Percentage* pProgressBar;
    int stepCount;

protected:
    // The code page whose fonts a single-language edition loads on top of
    // the base fonts; empty with several languages or when the base fonts
    // suffice.
    virtual UString getCodePage() const;

private:
    void listSteps(std::vector<Step>& steps);
    static void appendCodePageSteps(std::vector<Step>& steps, const UString& codePage);
    static void appendGlyphSteps(std::vector<Step>& steps);
    void selectLanguage();
    void finish();

    // This run's steps, listed at the first step performed.
    std::vector<Step> runSteps;
};

// Makes the object a child of Global's resource root (Global owns it from
// now on) and registers it under the key; a key used twice is fatal.
void registerResource(const UString& key, KivBase* object);
// registerResource, then each skin i of the texture under "key:i". The
// skins stay the texture's.
void registerTextureFrames(const UString& key, Texture* texture);
