#pragma once
// A parameterised test's name from the words of its row ("a hang-up, then
// the display" gives a_hang_up_then_the_display): letters and digits kept,
// every run of anything else one underscore.
#include <cctype>
#include <string>

namespace testsupport {

inline std::string testName(const char* words)
{
    std::string name;
    for (const char* c = words; *c; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c)))
            name += *c;
        else if (!name.empty() && name.back() != '_')
            name += '_';
    if (!name.empty() && name.back() == '_')
        name.pop_back();
    return name;
}

} // namespace testsupport
