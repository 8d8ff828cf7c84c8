#pragma once
// TextFiles: the loose text files of the game folder: the help page
// (readme.htm) and the edition settings (Glimmerdaledemo.cfg.static).
#include "DataWriter.h"

class TextFiles {
public:
    void generate(DataWriter& game) const;
};
