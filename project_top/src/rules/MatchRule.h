#pragma once
// MatchRule: whether two smileys may be matched. They may when they share no
// relevant feature; a clown matches anything. The comparison walks the first
// face's slots (its featureCount, its relevance): a slot empty on either
// side refuses the pair there, and the clashes found before it are all that
// a highlight lights. Plain values only; no state.
#include "rules/SmileyFace.h"

#include <cstdint>

class MatchRule {
public:
    struct Verdict {
        bool match;
        // Bit i: slot i clashes (the same relevant variant on both faces).
        uint32_t clashes;
    };

    MatchRule() = delete;

    static Verdict judge(const SmileyFace& a, const SmileyFace& b);
    static bool canMatch(const SmileyFace& a, const SmileyFace& b) { return judge(a, b).match; }
};
