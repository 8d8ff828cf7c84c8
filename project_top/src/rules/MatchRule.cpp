#include "rules/MatchRule.h"

MatchRule::Verdict MatchRule::judge(const SmileyFace& a, const SmileyFace& b)
{
    if (a.clown || b.clown)
        return {true, 0};
    uint32_t clashes = 0;
    for (int i = 0; i < a.featureCount; ++i) {
        if (!a.present[i] || !b.present[i])
            return {false, clashes};
        if (a.relevant[i] && a.variant[i] == b.variant[i])
            clashes |= 1u << i;
    }
    return {clashes == 0, clashes};
}
