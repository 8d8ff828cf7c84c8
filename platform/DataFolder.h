#pragma once
// The per-user writable data folder: configuration, log, persistent block,
// roster, screenshots and crash files live here.
#include "UString.h"

// $U3_APP_DATA_PATH/<app>/<version> when that variable is set, otherwise
// $XDG_DATA_HOME (or the home folder + /.local/share) + /<app>/<version>; a
// relative base is taken from the current working folder, so the path is
// always absolute. The home folder is $HOME, or the account's own from the
// password database when HOME is unset or empty; that one is never made, so
// an account whose home is not there has no data folder, and one that is not
// an absolute path counts as none (the result is then empty when no home is
// known at all). Once settleDataFolder has run, the folder it settled on.
// With create set, every missing level of the path below what may be made is
// made.
UString getDataFolder(bool create = true);

// Fixes the data folder for the rest of the run as getDataFolder finds it
// now, makes it and returns it. The program calls it first thing, before it
// changes its working folder, so that a relative base names the same folder
// for the lock and for every file. When the folder could not be made (or no
// home folder is known, or the password database could not be read), failure
// says why in words and the folder is still returned (empty when none is
// known). Main thread, before other threads start.
UString settleDataFolder(UString& failure);
