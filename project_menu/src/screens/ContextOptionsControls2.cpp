#include "ContextOptionsControls2.h"

ContextOptionsControls2::ContextOptionsControls2() : ContextOptionsPage(Language::CONTROLS2)
{
    addKeyRows(1);
}
