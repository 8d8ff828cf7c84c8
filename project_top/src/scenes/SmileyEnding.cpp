#include "scenes/SmileyEnding.h"

#include "board/FeatureBody.h"
#include "board/FeatureBrows.h"
#include "board/FeatureEyes.h"
#include "board/FeatureHair.h"
#include "board/FeatureMouth.h"
#include "board/TextureFrames.h"
#include "rules/SmileyPools.h"
#include "rules/StandardRandom.h"

#include <cmath>

namespace {

constexpr float GRAVITY = 1024.0f;

template <typename Kind>
Feature* randomFeature(int variants)
{
    Feature* feature = new Kind(variants);
    feature->setVariant(0, StandardRandom::shared().below(variants));
    return feature;
}

// One variant per frame of the texture, which must have 1 to 16.
template <typename Kind>
Feature* randomFeature(const char* texture)
{
    const TextureFrames frames(texture);
    frames.requireCount(1, Feature::MAX_VARIANTS);
    return randomFeature<Kind>(frames.count);
}

} // namespace

SmileyEnding::SmileyEnding()
{
    selectable = false;
    Feature* const face[FEATURE_SLOTS] = {
        randomFeature<FeatureBody>(SmileyPools::BODY_VARIANTS), randomFeature<FeatureEyes>("eyes"),
        randomFeature<FeatureMouth>("mouths"),     randomFeature<FeatureHair>("hair"),
        randomFeature<FeatureBrows>("brows"),
    };
    for (Feature* feature : face) {
        addFeature(feature);
        features[featureCount++] = feature;
    }
    setState(STATE_PRESENT);
}

void SmileyEnding::tick(double t, double dt)
{
    const float step = static_cast<float>(dt);
    position += velocity * step;
    velocity.y -= GRAVITY * step;
    if (position.y < FLOOR) {
        position.y = FLOOR;
        spring.position.x += -velocity.y / 20.0f;
        velocity.y = std::fabs(velocity.y);
    }
    updateVisuals();
    if (position.x > RIGHT_EXIT)
        bDead = 1;
    Smiley::tick(t, dt);
}
