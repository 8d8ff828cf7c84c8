#pragma once
// The key a skin was registered under, for tests that check which picture
// a piece shows and want a readable failure ("eyes:3", not an address).
#include "Kiv.h"
#include "ResourceManager.h"
#include "Skin.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace testsupport {

// The key ("eyes:3") among the frames 0 to count - 1 of each texture named
// that registered skin; "none" for null, "another skin" for a skin of none
// of them.
inline std::string skinKey(const Skin* skin, std::initializer_list<std::pair<const char*, int>> textures)
{
    if (!skin)
        return "none";
    for (const auto& [texture, count] : textures)
        for (int frame = 0; frame < count; ++frame) {
            const std::string key = std::string(texture) + ":" + std::to_string(frame);
            if (pKiv->pResourceManager->findAs<Skin>(key, false) == skin)
                return key;
        }
    return "another skin";
}

} // namespace testsupport
