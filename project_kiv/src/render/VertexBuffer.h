#pragma once
// VertexBuffer: the only way geometry reaches OpenGL. An array of interleaved
// vertices (GL_T2F_C4UB_V3F) in client memory, drawn with one
// glInterleavedArrays and one glDrawArrays per draw, optionally textured.
// Skins embed one each; debug and effect code makes temporary ones on the
// stack. It feeds the engine's per-frame vertex and write counters, tells
// the engine's observer what it hands over, and draws the textured-draw
// debug overlays (debug bits 0x40 highlight, 0x08 outline).
// Main thread only, with the OpenGL context current for draw.
#include "KivBase.h"
#include "UColor.h"

class Texture;

class VertexBuffer : public KivBase {
    KIV_DECLARE_CLASS()
public:
    struct Vertex {
        float u, v;
        UColor color;
        float x, y, z;
    };
    static_assert(sizeof(Vertex) == 24, "the interleaved layout is 24 bytes");

    enum Primitive { POINTS = 0, LINES = 1, LINE_STRIP = 2, TRIANGLES = 3, TRIANGLE_STRIP = 4, TRIANGLE_FAN = 5 };

    // count > 0 allocates that many uninitialised vertices; 0 or less allocates
    // none.
    explicit VertexBuffer(int count = 0);
    ~VertexBuffer() override;
    VertexBuffer(const VertexBuffer&) = delete;
    VertexBuffer& operator=(const VertexBuffer&) = delete;

    // Nothing when count equals vertexCount; otherwise a new uninitialised
    // array (none for count <= 0). Contents are never kept.
    void resize(int count);
    // Counts one vertex-buffer write; writers call it after filling vertices.
    void markWritten();
    // Writes the colour into every vertex and counts one write. Unless force
    // is set, nothing happens when vertex 0 already has this colour, so a
    // buffer drawn again and again in one colour is written once. Needs at
    // least one vertex.
    void setColor(UColor color, bool force);
    // Draws count vertices from first (count < 0: all to the end) as the
    // primitive type 0..5 (Primitive), with the texture or untextured when it
    // is null. A texture without alpha is drawn opaque in replace mode. An
    // empty buffer draws nothing; an unknown type is fatal.
    void draw(Texture* pTexture, int type, int first, int count);

    Vertex* vertices = nullptr;
    int vertexCount = 0;

private:
    void fillColor(UColor color);
};
