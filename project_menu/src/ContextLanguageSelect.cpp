#include "ContextLanguageSelect.h"

ContextLanguageSelect::ContextLanguageSelect()
{
    bDeleteWhenFinished = true;
}

void ContextLanguageSelect::tickContents(double, double)
{
    bFinished = true;
}
