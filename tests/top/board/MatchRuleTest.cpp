// The match rule: which pairs of smileys may be matched, and which features
// light up when a tried pair clashes.
#include "BoardTestSupport.h"

#include "Feature.h"

namespace boardtest {
namespace {

constexpr int SLOTS = Smiley::FEATURE_SLOTS;
constexpr uint8_t NONE = 0, EYES = 1 << 1, MOUTH = 1 << 2, HAIR = 1 << 3, BROWS = 1 << 4;

// One smiley of a pair: a variant digit per feature slot ('-': no feature,
// "clown": a clown); slots in fixedMask have a single variant in this house
// (not relevant).
struct Face {
    const char* variants;
    uint8_t fixedMask = NONE;
    int featureCount = SLOTS;
};

std::unique_ptr<Smiley> makeSmiley(const Face& face)
{
    if (std::string(face.variants) == "clown")
        return std::make_unique<Clown>();
    auto smiley = std::make_unique<Smiley>();
    smiley->featureCount = face.featureCount;
    for (int i = 0; i < SLOTS; ++i)
        if (face.variants[i] != '-') {
            Feature* feature = new Feature((face.fixedMask >> i) & 1 ? 1 : 8);
            feature->setVariant(face.variants[i] - '0', 0);
            smiley->features[i] = feature;
            smiley->addFeature(feature);
        }
    return smiley;
}

// The features glowing fully; every other one must not glow at all.
uint8_t glowingMask(const Smiley& smiley)
{
    uint8_t mask = NONE;
    for (int i = 0; i < SLOTS; ++i)
        if (const Feature* feature = smiley.features[i]) {
            EXPECT_TRUE(feature->glow == 0.0f || feature->glow == 1.0f) << "slot " << i;
            mask |= static_cast<uint8_t>(feature->glow == 1.0f ? 1 << i : 0);
        }
    return mask;
}

using MatchRule = BoardTest;

TEST_F(MatchRule, PairsMatchWhenTheyShareNoRelevantFeatureAndAClashLightsEveryClashingFeatureOfBoth)
{
    const struct {
        const char* name;
        Face a;
        Face b;
        bool bSameSmiley;
        bool expected;
        // Features that clash, lit on both smileys when tried with highlight.
        uint8_t clashes;
    } rows[] = {
        {"every feature differs", {"00000"}, {"11111"}, false, true, NONE},
        {"the eyes are shared", {"00000"}, {"10111"}, false, false, EYES},
        {"every clash lights, not only the first", {"00000"}, {"10010"}, false, false, EYES | MOUTH | BROWS},
        {"a shared feature that does not vary", {"00000", HAIR}, {"11101", HAIR}, false, true, NONE},
        {"relevance is read from the first smiley", {"00000"}, {"11101", HAIR}, false, false, HAIR},
        {"beyond the first smiley's feature count", {"00000", NONE, 2}, {"11000"}, false, true, NONE},
        {"the first smiley has no features", {"00000", NONE, 0}, {"-0000"}, false, true, NONE},
        {"an empty slot in the second smiley", {"00000"}, {"11-11"}, false, false, NONE},
        {"an empty slot in the first smiley", {"1-111"}, {"00000"}, false, false, NONE},
        {"a smiley with itself", {"00000"}, {"00000"}, true, false, NONE},
        {"a clown with a smiley", {"clown"}, {"00000"}, false, true, NONE},
        {"a smiley with a clown", {"00000"}, {"clown"}, false, true, NONE},
        {"two clowns", {"clown"}, {"clown"}, false, true, NONE},
        {"a clown with itself", {"clown"}, {"clown"}, true, false, NONE},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::unique_ptr<Smiley> a = makeSmiley(row.a);
        const std::unique_ptr<Smiley> b = makeSmiley(row.b);
        Smiley* other = row.bSameSmiley ? a.get() : b.get();
        for (const bool highlight : {false, true}) {
            EXPECT_EQ(a->canMatch(other, highlight), row.expected);
            EXPECT_EQ(glowingMask(*a), highlight ? row.clashes : NONE);
            EXPECT_EQ(glowingMask(*other), highlight ? row.clashes : NONE);
        }
    }
}

}
}
