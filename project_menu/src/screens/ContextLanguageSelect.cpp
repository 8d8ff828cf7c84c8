#include "ContextLanguageSelect.h"

#include "Language.h"
#include "LanguageFlag.h"

ContextLanguageSelect::ContextLanguageSelect()
{
    bDeleteWhenFinished = true;
    bEscapeCloses = false;
    clearColor = UColor(16, 128, 208, 255);
    const int count = Language::LANGUAGE_MAX;
    float y = FLAG_STEP * static_cast<float>(count - 1) / 2.0f;
    for (int language = 0; language < count; ++language) {
        LanguageFlag* flag = new LanguageFlag(language);
        flag->position = V3(FLAG_X, y, 0.0f);
        flag->updateVisuals();
        addChildLast(flag);
        flags.push_back(flag);
        y -= FLAG_STEP;
    }
}
