#include "rules/SmileyPools.h"

#include "rules/RandomSource.h"

void SmileyPools::configure(int flags)
{
    varyHair = (flags & 1) != 0;
    varyBody = (flags & 2) != 0;
    varyBrows = (flags & 4) != 0;
    for (int f = 0; f < FEATURE_KINDS; ++f) {
        poolSize[f] = 0;
        variantTotal[f] = 0;
    }
}

void SmileyPools::prepare(float hardness, const FrameCounts& frames, RandomSource& random)
{
    variantTotal[SmileyFace::BODY] = varyBody ? BODY_VARIANTS : 1;
    variantTotal[SmileyFace::EYES] = frames.eyes;
    variantTotal[SmileyFace::MOUTH] = frames.mouths;
    variantTotal[SmileyFace::HAIR] = varyHair ? frames.hair : 1;
    variantTotal[SmileyFace::BROWS] = varyBrows ? frames.brows : 1;

    for (int f = 0; f < FEATURE_KINDS; ++f) {
        poolSize[f] = variantTotal[f];
        for (int32_t& slot : frameOf[f])
            slot = -1;
        for (int j = 0; j < poolSize[f]; ++j) {
            int v;
            bool taken;
            do {
                v = random.below(poolSize[f]);
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

void SmileyPools::resetPools()
{
    for (int f = 0; f < FEATURE_KINDS; ++f)
        for (int v = 0; v < MAX_VARIANTS; ++v) {
            allowed[f][v] = true;
            required[f][v] = false;
        }
}

void SmileyPools::avoid(const SmileyFace& face)
{
    for (int f = 0; f < FEATURE_KINDS && f < face.featureCount; ++f)
        if (face.present[f])
            allowed[f][face.variant[f]] = false;
}

void SmileyPools::share(const SmileyFace& face, RandomSource& random)
{
    int candidates[FEATURE_KINDS];
    int count = 0;
    for (int f = 0; f < FEATURE_KINDS && f < face.featureCount; ++f) {
        if (!face.present[f] || !face.relevant[f])
            continue;
        bool bRequired = false;
        for (int v = 0; v < MAX_VARIANTS && !bRequired; ++v)
            bRequired = required[f][v];
        if (!bRequired)
            candidates[count++] = f;
    }
    const int f = count == 0 ? SmileyFace::EYES : candidates[random.below(count)];
    if (f < face.featureCount && face.present[f])
        required[f][face.variant[f]] = true;
}

int SmileyPools::drawVariant(int f, int n, RandomSource& random) const
{
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
        return preferred[random.below(preferredCount)];
    if (candidateCount > 0)
        return candidates[random.below(candidateCount)];
    return random.below(n);
}
