#include "BendQuad.h"
#include "Texture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

constexpr float PI = 3.14159265f;
constexpr float RIGHT = 100.0f / 256.0f, BOTTOM = 20.0f / 256.0f;

// A 100 x 20 picture on a 256 x 256 texture.
class BendQuadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        texture = std::make_unique<Texture>(256, 256, 0);
        source.pTexture = texture.get();
        source.uvRect = UVRect(0.0f, 0.0f, RIGHT, BOTTOM);
        source.resetSize();
    }

    std::unique_ptr<Texture> texture;
    Quad source;
};

// Pair 0 is the right edge; a vertical quad (the flowers) shows the picture
// a quarter turn round, its top along the right edge.
TEST_F(BendQuadTest, StraightStripSpansTheQuad)
{
    // uv of each pair's top and bottom vertex, from the right edge to the left.
    struct Case { bool vertical; float halfWidth, halfHeight; float uv[3][4]; };
    const Case cases[] = {
        {false, 50, 10, {{RIGHT, 0, RIGHT, BOTTOM}, {RIGHT / 2, 0, RIGHT / 2, BOTTOM}, {0, 0, 0, BOTTOM}}},
        {true, 10, 50, {{0, 0, RIGHT, 0}, {0, BOTTOM / 2, RIGHT, BOTTOM / 2}, {0, BOTTOM, RIGHT, BOTTOM}}}};
    for (const Case& c : cases) {
        BendQuad quad;
        quad.vertical = c.vertical;
        quad.pairCount = 3;
        quad.copyFromSkin(&source);
        ASSERT_EQ(quad.vertexBuffer.vertexCount, 6);
        const VertexBuffer::Vertex* v = quad.vertexBuffer.vertices;
        for (int pair = 0; pair < 3; ++pair) {
            EXPECT_FLOAT_EQ(v[2 * pair].x, c.halfWidth * static_cast<float>(1 - pair)) << c.vertical;
            EXPECT_FLOAT_EQ(v[2 * pair + 1].x, v[2 * pair].x);
            EXPECT_FLOAT_EQ(v[2 * pair].y, c.halfHeight);
            EXPECT_FLOAT_EQ(v[2 * pair + 1].y, -c.halfHeight);
            const float seen[] = {v[2 * pair].u, v[2 * pair].v, v[2 * pair + 1].u, v[2 * pair + 1].v};
            for (int i = 0; i < 4; ++i)
                EXPECT_FLOAT_EQ(seen[i], c.uv[pair][i]) << c.vertical << " pair " << pair << " " << i;
        }
    }
}

// Mouse tests and bounds go through the mappings: unbending a bent point
// gives it back, either way round, and each bent vertex is drawn where the
// mapping puts its straight place. A quad of no width bends without NaN.
TEST_F(BendQuadTest, MappingsFollowTheBendBothWays)
{
    BendQuad quad;
    quad.pairCount = 5;
    quad.copyFromSkin(&source);
    for (float angle : {PI / 2, -PI / 3, 1.0f}) {
        quad.setBend(angle);
        for (const V3& p : {V3(20.0f, 5.0f, 0.0f), V3(-40.0f, -8.0f, 0.0f), V3(49.0f, 9.0f, 0.0f)}) {
            const V3 back = quad.world2local(quad.local2world(p));
            EXPECT_NEAR(back.x, p.x, 1e-2) << angle;
            EXPECT_NEAR(back.y, p.y, 1e-2) << angle;
        }
        // Pair i stands a share i / (pairs - 1) of the way from the right edge.
        const int pairs = quad.vertexBuffer.vertexCount / 2;
        for (int vertex = 0; vertex < 2 * pairs; ++vertex) {
            const float x = 50.0f - 100.0f * static_cast<float>(vertex / 2) / static_cast<float>(pairs - 1);
            const V3 bent = quad.local2world(V3(x, vertex % 2 ? -10.0f : 10.0f, 0.0f));
            EXPECT_NEAR(bent.x, quad.vertexBuffer.vertices[vertex].x, 1e-3) << angle << " vertex " << vertex;
            EXPECT_NEAR(bent.y, quad.vertexBuffer.vertices[vertex].y, 1e-3) << angle << " vertex " << vertex;
        }
    }
    Quad empty;
    empty.pTexture = texture.get();
    empty.uvRect = UVRect(0.0f, 0.0f, 0.0f, 0.1f);
    BendQuad flat;
    flat.copyFromSkin(&empty);
    flat.setBend(1.0f);
    const V3 p = flat.world2local(flat.local2world(V3(0.0f, 3.0f, 0.0f)));
    EXPECT_FALSE(std::isnan(p.x) || std::isnan(p.y));
}

} // namespace
