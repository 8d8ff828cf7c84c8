#include "MenuEnum.h"

#include "Kiv.h"
#include "Language.h"

MenuEnum::MenuEnum(float x, float y, float z, const std::string& itemCaption, const std::string& itemHint, int* value,
                   int min, int max, int firstText)
    : MenuInt(x, y, z, itemCaption, itemHint, value, min, max, 1), firstTextId(firstText)
{
    *pValue = clampedValue();
}

void MenuEnum::drawValue(float x, float y, float z)
{
    printValue(x, y, z, shownText());
}

std::string MenuEnum::shownText() const
{
    return pKiv->pLanguage->getText(static_cast<Language::StringsEnum>(firstTextId + clampedValue()));
}
