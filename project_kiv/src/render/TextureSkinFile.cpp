#include "TextureSkinFile.h"

#include "MemoryIniFile.h"

std::vector<TextureSkinFile::Entry> TextureSkinFile::read(MemoryIniFile& ini)
{
    std::vector<Entry> entries;
    const int count = ini.getSectionCount();
    for (int i = 0; i < count; ++i) {
        const UString section = formatString("Skin %d", i);
        const int left = ini.getInt(section, "left");
        const int top = ini.getInt(section, "top");
        const int width = ini.getInt(section, "width");
        const int height = ini.getInt(section, "height");
        const int adjustX = ini.hasKey(section, "origin_adjust_x") ? ini.getInt(section, "origin_adjust_x") : 0;
        const int adjustY = ini.hasKey(section, "origin_adjust_y") ? ini.getInt(section, "origin_adjust_y") : 0;
        Entry entry;
        entry.rect = Rect(left, top, left + width, top + height);
        entry.origin = V3(((width & 1) ? -0.5f : 0.0f) - static_cast<float>(adjustX),
                          ((height & 1) ? 0.5f : 0.0f) + static_cast<float>(adjustY), 0.0f);
        entries.push_back(entry);
    }
    return entries;
}
