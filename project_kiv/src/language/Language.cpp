#include "Language.h"

#include "Logger.h"

Language::Language()
{
    KIV_LOG("Starting...");
    KIV_LOG("Started.");
}

Language::~Language() = default;
