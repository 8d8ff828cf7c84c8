// Fuzz target: the ini parser, the typed getters and the writer, whose
// text must read back as it was written.
#include "FuzzSeeds.h"
#include "MemoryIniFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MemoryIniFile ini;
    ini.parse(reinterpret_cast<const char*>(data), size);
    for (const MemoryIniFile::Section& section : ini.getSections())
        for (const auto& entry : section.entries) {
            ini.getInt(section.name, entry.first);
            ini.getBool(section.name, entry.first);
            ini.getDouble(section.name, entry.first);
        }
    // What is written reads back whole: no line of it is dropped, and
    // writing it again gives the same text.
    const UString text = ini.toText();
    MemoryIniFile again;
    if (again.parse(text.data(), text.size()) != 0 || again.toText() != text)
        std::abort();
    return 0;
}

std::vector<std::string> fuzzSeeds()
{
    return {
        "[Kiv]\nwarning=Do NOT modify this file unless you are explicitly instructed to do so!\nframeRate=0.01500000\n"
        "\n[KivAudio]\nbMute=No\nfrequency=44100\n",
        "  [Language] \r\nbMultilanguage=Yes\r\nsingleLanguage=3\r\n[Graphics]\nditherDepth=16\n[]\n=\nkey==value\n",
    };
}
