#pragma once
// Replacing a file's whole contents so that a crash or a full disk never
// leaves a half-written file: the bytes go to a temporary file beside the
// target, reach the disk, and only then take the target's name. Any thread.
#include "UString.h"

#include <vector>

// False, with the reason in error, when the bytes could not be stored; the
// old file (if any) is then untouched and no temporary file is left behind.
bool replaceFile(const UString& path, const std::vector<unsigned char>& bytes, UString& error);
