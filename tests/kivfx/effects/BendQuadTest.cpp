#include "BendQuad.h"
#include "Texture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

constexpr float PI = 3.14159265f;

class BendQuadTest : public ::testing::Test {
protected:
    // 100 x 20 on a 256 x 256 texture.
    void SetUp() override
    {
        texture = std::make_unique<Texture>(256, 256, 0);
        source.pTexture = texture.get();
        source.uvRect = UVRect(0.0f, 0.0f, 100.0f / 256.0f, 20.0f / 256.0f);
        source.resetSize();
        quad.copyFromSkin(&source);
    }

    const VertexBuffer::Vertex& vertex(int i) const { return quad.vertexBuffer.vertices[i]; }

    std::unique_ptr<Texture> texture;
    Quad source;
    BendQuad quad;
};

TEST_F(BendQuadTest, StraightStripSpansTheQuad)
{
    quad.pairCount = 3;
    quad.allocateVertices();
    ASSERT_EQ(quad.vertexBuffer.vertexCount, 6);
    const float xs[] = {50.0f, 0.0f, -50.0f};
    for (int pair = 0; pair < 3; ++pair) {
        EXPECT_FLOAT_EQ(vertex(2 * pair).x, xs[pair]);
        EXPECT_FLOAT_EQ(vertex(2 * pair + 1).x, xs[pair]);
        EXPECT_FLOAT_EQ(vertex(2 * pair).y, 10.0f);
        EXPECT_FLOAT_EQ(vertex(2 * pair + 1).y, -10.0f);
    }
    EXPECT_FLOAT_EQ(vertex(0).u, 100.0f / 256.0f) << "pair 0 is the right edge";
    EXPECT_FLOAT_EQ(vertex(4).u, 0.0f);
    EXPECT_FLOAT_EQ(vertex(0).v, 0.0f);
    EXPECT_FLOAT_EQ(vertex(1).v, 20.0f / 256.0f);
}

TEST_F(BendQuadTest, MappingsFollowTheBendBothWays)
{
    const float angles[] = {PI / 2, -PI / 3, 1.0f, 0.0f};
    const V3 points[] = {V3(20.0f, 5.0f, 0.0f), V3(-40.0f, -8.0f, 0.0f), V3(49.0f, 9.0f, 0.0f)};
    for (float angle : angles) {
        quad.setBend(angle);
        for (const V3& p : points) {
            V3 back = quad.world2local(quad.local2world(p));
            EXPECT_NEAR(back.x, p.x, 1e-2) << angle;
            EXPECT_NEAR(back.y, p.y, 1e-2) << angle;
        }
    }
    quad.setBend(PI / 2);
    V3 rightTop = quad.local2world(V3(50.0f, 10.0f, 0.0f));
    EXPECT_NEAR(rightTop.x, vertex(0).x, 1e-3) << "the mapping and the vertices agree";
    EXPECT_NEAR(rightTop.y, vertex(0).y, 1e-3);
}

TEST_F(BendQuadTest, ChangedPairCountNeverWritesPastTheBuffer)
{
    quad.pairCount = 8;
    quad.setBend(1.0f);
    EXPECT_EQ(quad.vertexBuffer.vertexCount, 16);
    EXPECT_NEAR(quad.vertexBuffer.vertices[14].x, -50.0f, 1e-3) << "the last pair is the left edge";
    quad.pairCount = 1;
    quad.resetSize();
    EXPECT_EQ(quad.pairCount, 2);
    EXPECT_EQ(quad.vertexBuffer.vertexCount, 4);
}

TEST_F(BendQuadTest, QuadOfNoWidthBendsWithoutNaN)
{
    Quad empty;
    empty.pTexture = texture.get();
    empty.uvRect = UVRect(0.0f, 0.0f, 0.0f, 0.1f);
    BendQuad bend;
    bend.copyFromSkin(&empty);
    bend.setBend(1.0f);
    V3 p = bend.local2world(V3(0.0f, 3.0f, 0.0f));
    EXPECT_FALSE(std::isnan(p.x) || std::isnan(p.y));
    V3 q = bend.world2local(p);
    EXPECT_FALSE(std::isnan(q.x) || std::isnan(q.y));
    for (int i = 0; i < bend.vertexBuffer.vertexCount; ++i)
        EXPECT_FALSE(std::isnan(bend.vertexBuffer.vertices[i].x) || std::isnan(bend.vertexBuffer.vertices[i].y));
}

} // namespace
