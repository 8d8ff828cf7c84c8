#include "game/GameRegistry.h"

#include "Global.h"

GameRegistry* GameRegistry::of(Global* global)
{
    return dynamic_cast<GameRegistry*>(global);
}
