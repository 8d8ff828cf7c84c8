#include "board/SmileyGenerator.h"

#include "ErrorManager.h"
#include "board/FeatureBody.h"
#include "board/FeatureBrows.h"
#include "board/FeatureEyes.h"
#include "board/FeatureHair.h"
#include "board/FeatureMouth.h"
#include "board/Smiley.h"
#include "board/TextureFrames.h"
#include "rules/StandardRandom.h"

namespace {

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

SmileyGenerator::SmileyGenerator() : random(&StandardRandom::shared())
{
}

void SmileyGenerator::setup(float hardness)
{
    FrameCounts frames;
    frames.eyes = checkedFrameCount("eyes", "eyesGlow", "eyesBlink");
    frames.mouths = checkedFrameCount("mouths", "mouthsGlow", nullptr);
    frames.hair = checkedFrameCount("hair", "hairGlow", nullptr);
    frames.brows = checkedFrameCount("brows", "browsGlow", nullptr);
    prepare(hardness, frames, *random);
}

void SmileyGenerator::avoidFeaturesOf(const Smiley* s)
{
    // A smiley without features (a clown) forbids nothing.
    if (s)
        avoid(s->face());
}

void SmileyGenerator::shareFeatureWith(const Smiley* s)
{
    if (s)
        share(s->face(), *random);
}

Smiley* SmileyGenerator::createSmiley()
{
    Smiley* smiley = new Smiley();
    smiley->attachTo(host);
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
    case SmileyFace::BODY:
        return new FeatureBody(variantTotal[SmileyFace::BODY]);
    case SmileyFace::EYES:
        return new FeatureEyes(variantTotal[SmileyFace::EYES]);
    case SmileyFace::MOUTH:
        return new FeatureMouth(variantTotal[SmileyFace::MOUTH]);
    case SmileyFace::HAIR:
        return new FeatureHair(variantTotal[SmileyFace::HAIR]);
    case SmileyFace::BROWS:
        return new FeatureBrows(variantTotal[SmileyFace::BROWS]);
    default:
        KIV_ERROR("Unknown feature index.");
    }
}

int SmileyGenerator::pickVariant(int f, int n) const
{
    // Set up before use: a pool of no variants has nothing to pick from.
    KIV_ASSERT(f >= 0 && f < FEATURE_KINDS && n >= 1 && n <= MAX_VARIANTS);
    return drawVariant(f, n, *random);
}
