#pragma once
// FontGDI: placeholder until its subsystem lands.

class FontGDI {
public:
    FontGDI();
    virtual ~FontGDI();

    void printf(int, int, const char*, ...) {}
};
