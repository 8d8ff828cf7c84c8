#pragma once
// V3: three floats x, y, z. (Minimal until the math library lands.)

struct V3 {
    float x = 0.0f, y = 0.0f, z = 0.0f;

    V3() = default;
    V3(float px, float py, float pz) : x(px), y(py), z(pz) {}
};
