#pragma once
// The per-user writable data folder: configuration, log, persistent block,
// roster, screenshots and crash files live here.
#include "UString.h"

// $U3_APP_DATA_PATH/<app>/<version> when that variable is set, otherwise
// $XDG_DATA_HOME (or $HOME/.local/share) + /<app>/<version>. With create set,
// every missing level of the path is made.
UString getDataFolder(bool create = true);
