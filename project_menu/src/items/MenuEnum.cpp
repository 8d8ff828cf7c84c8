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
    const auto id = static_cast<Language::StringsEnum>(firstTextId + clampedValue());
    printValue(x, y, z, pKiv->pLanguage->getText(id));
}
