// The match rule: which pairs of smileys may be matched, and which features
// light up when a tried pair clashes.
#include "BoardTestSupport.h"

#include "Clown.h"
#include "Feature.h"

#include <array>
#include <memory>

namespace boardtest {
namespace {

constexpr int SLOTS = Smiley::FEATURE_SLOTS;
constexpr int EMPTY = -1;
constexpr uint8_t NONE = 0;
constexpr uint8_t EYES = 1 << 1;
constexpr uint8_t MOUTH = 1 << 2;
constexpr uint8_t HAIR = 1 << 3;
constexpr uint8_t BROWS = 1 << 4;

// One smiley of a pair: a variant per feature slot (EMPTY: no feature);
// slots in fixedMask have a single variant in this house (not relevant).
struct Face {
    std::array<int, SLOTS> variants;
    uint8_t fixedMask = NONE;
    int featureCount = SLOTS;
    bool bClown = false;
};

const Face CLOWN{{}, NONE, 0, true};

std::unique_ptr<Smiley> makeSmiley(const Face& face)
{
    if (face.bClown)
        return std::make_unique<Clown>();
    auto smiley = std::make_unique<Smiley>();
    smiley->featureCount = face.featureCount;
    for (int i = 0; i < SLOTS; ++i) {
        if (face.variants[i] == EMPTY)
            continue;
        Feature* feature = new Feature((face.fixedMask >> i) & 1 ? 1 : 8);
        feature->setVariant(face.variants[i], 0);
        smiley->features[i] = feature;
        smiley->addFeature(feature);
    }
    return smiley;
}

uint8_t glowingMask(const Smiley& smiley)
{
    uint8_t mask = NONE;
    for (int i = 0; i < SLOTS; ++i) {
        const Feature* feature = smiley.features[i];
        if (feature && feature->glow == 1.0f) {
            mask |= static_cast<uint8_t>(1 << i);
        } else if (feature) {
            EXPECT_EQ(feature->glow, 0.0f) << "slot " << i;
        }
    }
    return mask;
}

using MatchRule = BoardTest;

TEST_F(MatchRule, PairsMatchWhenTheyShareNoRelevantFeatureAndAClashLightsEveryClashingFeatureOfBoth)
{
    const Face plain{{0, 0, 0, 0, 0}};
    const struct {
        const char* name;
        Face a;
        Face b;
        bool bSameSmiley;
        bool expected;
        // Features that clash, lit on both smileys when tried with highlight.
        uint8_t clashes;
    } rows[] = {
        {"every feature differs", plain, {{1, 1, 1, 1, 1}}, false, true, NONE},
        {"the eyes are shared", plain, {{1, 0, 1, 1, 1}}, false, false, EYES},
        {"every clash lights, not only the first", plain, {{1, 0, 0, 1, 0}}, false, false, EYES | MOUTH | BROWS},
        {"a shared feature that does not vary", {{0, 0, 0, 0, 0}, HAIR}, {{1, 1, 1, 0, 1}, HAIR}, false, true, NONE},
        {"relevance is read from the first smiley", plain, {{1, 1, 1, 0, 1}, HAIR}, false, false, HAIR},
        {"beyond the first smiley's feature count", {{0, 0, 0, 0, 0}, NONE, 2}, {{1, 1, 0, 0, 0}}, false, true, NONE},
        {"the first smiley has no features", {{0, 0, 0, 0, 0}, NONE, 0}, {{EMPTY, 0, 0, 0, 0}}, false, true, NONE},
        {"an empty slot in the second smiley", plain, {{1, 1, EMPTY, 1, 1}}, false, false, NONE},
        {"an empty slot in the first smiley", {{1, EMPTY, 1, 1, 1}}, plain, false, false, NONE},
        {"a smiley with itself", plain, plain, true, false, NONE},
        {"a clown with a smiley", CLOWN, plain, false, true, NONE},
        {"a smiley with a clown", plain, CLOWN, false, true, NONE},
        {"two clowns", CLOWN, CLOWN, false, true, NONE},
        {"a clown with itself", CLOWN, CLOWN, true, false, NONE},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::unique_ptr<Smiley> a = makeSmiley(row.a);
        const std::unique_ptr<Smiley> b = row.bSameSmiley ? nullptr : makeSmiley(row.b);
        Smiley* other = row.bSameSmiley ? a.get() : b.get();

        EXPECT_EQ(a->canMatch(other, false), row.expected);
        EXPECT_EQ(glowingMask(*a), NONE);
        EXPECT_EQ(glowingMask(*other), NONE);

        EXPECT_EQ(a->canMatch(other, true), row.expected);
        EXPECT_EQ(glowingMask(*a), row.clashes);
        EXPECT_EQ(glowingMask(*other), row.clashes);
    }
}

}
}
