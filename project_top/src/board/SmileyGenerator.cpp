#include "SmileyGenerator.h"

#include "ErrorManager.h"
#include "FeatureBody.h"
#include "FeatureBrows.h"
#include "FeatureEyes.h"
#include "FeatureHair.h"
#include "FeatureMouth.h"
#include "Smiley.h"
#include "TextureFrames.h"

#include <cstdlib>

namespace {

enum FeatureIndex { BODY, EYES, MOUTH, HAIR, BROWS };

// Body colours; the body texture's further frames are overlay, silhouette
// and glow.
const int BODY_VARIANTS = 3;
// Fewest variants a varying feature is cut down to.
const int LEAST_POOL = 2;

// A feature's frame count, checked against the generator's tables; its glow
// (and blink) textures must have a frame for every one of its frames.
int checkedFrameCount(const char* key, const char* glowKey, const char* blinkKey)
{
    const TextureFrames frames(key);
    frames.requireCount(1, SmileyGenerator::MAX_VARIANTS);
    TextureFrames(glowKey).requireAtLeastAsMany(frames);
    if (blinkKey)
        TextureFrames(blinkKey).requireAtLeastAsMany(frames);
    return frames.count;
}

}

SmileyGenerator::SmileyGenerator() = default;

void SmileyGenerator::configure(int flags)
{
    varyHair = (flags & 1) != 0;
    varyBody = (flags & 2) != 0;
    varyBrows = (flags & 4) != 0;
    for (int f = 0; f < FEATURE_KINDS; ++f) {
        poolSize[f] = 0;
        variantTotal[f] = 0;
    }
}

void SmileyGenerator::setup(float hardness)
{
    const int eyes = checkedFrameCount("eyes", "eyesGlow", "eyesBlink");
    const int mouths = checkedFrameCount("mouths", "mouthsGlow", nullptr);
    const int hair = checkedFrameCount("hair", "hairGlow", nullptr);
    const int brows = checkedFrameCount("brows", "browsGlow", nullptr);
    variantTotal[BODY] = varyBody ? BODY_VARIANTS : 1;
    variantTotal[EYES] = eyes;
    variantTotal[MOUTH] = mouths;
    variantTotal[HAIR] = varyHair ? hair : 1;
    variantTotal[BROWS] = varyBrows ? brows : 1;

    for (int f = 0; f < FEATURE_KINDS; ++f) {
        poolSize[f] = variantTotal[f];
        for (int32_t& slot : frameOf[f])
            slot = -1;
        for (int j = 0; j < poolSize[f]; ++j) {
            int v;
            bool taken;
            do {
                v = std::rand() % poolSize[f];
                taken = false;
                for (int k = 0; k < j && !taken; ++k)
                    taken = frameOf[f][k] == v;
            } while (taken);
            frameOf[f][j] = v;
        }
    }

    int total = 0;
    for (int32_t count : variantTotal)
        total += count;
    const int minimum = 4 + LEAST_POOL * ((varyHair ? 1 : 0) + (varyBody ? 1 : 0) + (varyBrows ? 1 : 0));
    const int keep = static_cast<int>(static_cast<float>(total) + static_cast<float>(minimum - total) * hardness);
    for (int step = total - keep; step > 0; --step) {
        int largest = 0;
        for (int f = 1; f < FEATURE_KINDS; ++f)
            if (poolSize[f] >= poolSize[largest])
                largest = f;
        if (poolSize[largest] > LEAST_POOL)
            --poolSize[largest];
    }
}

void SmileyGenerator::resetPools()
{
    for (int f = 0; f < FEATURE_KINDS; ++f)
        for (int v = 0; v < MAX_VARIANTS; ++v) {
            allowed[f][v] = true;
            required[f][v] = false;
        }
}

void SmileyGenerator::avoidFeaturesOf(const Smiley* s)
{
    if (!s)
        return;
    // A smiley without features (a clown) forbids nothing.
    for (int f = 0; f < FEATURE_KINDS && f < s->featureCount; ++f)
        if (const Feature* feature = s->features[f])
            allowed[f][feature->variant] = false;
}

void SmileyGenerator::shareFeatureWith(const Smiley* s)
{
    if (!s)
        return;
    int candidates[FEATURE_KINDS];
    int count = 0;
    for (int f = 0; f < FEATURE_KINDS && f < s->featureCount; ++f) {
        const Feature* feature = s->features[f];
        if (!feature || !feature->relevant)
            continue;
        bool bRequired = false;
        for (int v = 0; v < MAX_VARIANTS && !bRequired; ++v)
            bRequired = required[f][v];
        if (!bRequired)
            candidates[count++] = f;
    }
    const int f = count == 0 ? EYES : candidates[std::rand() % count];
    if (f < s->featureCount && s->features[f])
        required[f][s->features[f]->variant] = true;
}

Smiley* SmileyGenerator::createSmiley()
{
    Smiley* smiley = new Smiley();
    smiley->featureCount = FEATURE_KINDS;
    for (int f = 0; f < FEATURE_KINDS; ++f) {
        Feature* feature = createFeatureByIndex(f);
        const int v = pickVariant(f, poolSize[f]);
        feature->setVariant(v, frameOf[f][v]);
        smiley->features[f] = feature;
        smiley->addFeature(feature);
    }
    return smiley;
}

Feature* SmileyGenerator::createFeatureByIndex(int index) const
{
    switch (index) {
    case BODY:
        return new FeatureBody(variantTotal[BODY]);
    case EYES:
        return new FeatureEyes(variantTotal[EYES]);
    case MOUTH:
        return new FeatureMouth(variantTotal[MOUTH]);
    case HAIR:
        return new FeatureHair(variantTotal[HAIR]);
    case BROWS:
        return new FeatureBrows(variantTotal[BROWS]);
    default:
        KIV_ERROR("Unknown feature index.");
    }
}

int SmileyGenerator::pickVariant(int f, int n) const
{
    // Set up before use: a pool of no variants has nothing to pick from.
    KIV_ASSERT(f >= 0 && f < FEATURE_KINDS && n >= 1 && n <= MAX_VARIANTS);
    int candidates[MAX_VARIANTS];
    int preferred[MAX_VARIANTS];
    int candidateCount = 0;
    int preferredCount = 0;
    for (int v = 0; v < n; ++v) {
        if (!allowed[f][v])
            continue;
        candidates[candidateCount++] = v;
        if (required[f][v])
            preferred[preferredCount++] = v;
    }
    if (preferredCount > 0)
        return preferred[std::rand() % preferredCount];
    if (candidateCount > 0)
        return candidates[std::rand() % candidateCount];
    return std::rand() % n;
}
