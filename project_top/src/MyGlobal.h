#pragma once
// MyGlobal: the game's own global object. (Minimal until the application
// shell lands: it shows an empty first screen.)
#include "Global.h"

class MyGlobal : public Global {
public:
    void initPreLoader() override;
};
