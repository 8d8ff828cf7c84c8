#pragma once
// MemoryIniFile: an ini file held in memory, sections of key/value texts in
// file order. Parsing: lines trimmed of " \t\r\n", empty lines skipped, a line
// with '=' is a key and value split at the first '=', any other line opens the
// section named by the line without its first and last characters. Writing
// produces "[Section]" and "key=value" lines the parser reads back.
#include "UString.h"

#include <utility>
#include <vector>

class MemoryIniFile {
public:
    MemoryIniFile() = default;
    // Reads the file through the file manager when it exists there.
    explicit MemoryIniFile(const UString& fileName);

    void parse(const char* text, size_t size);
    // Straight from a disk path (the engine configuration); false when unreadable.
    bool readFile(const UString& path);
    // Replaces the file whole (ReplaceFile.h): false when it could not be
    // stored, the old file then left as it was.
    bool writeFile(const UString& path) const;
    UString toText() const;

    int getSectionCount() const { return static_cast<int>(sections.size()); }
    bool hasSection(const UString& section) const;
    // Creates the section, empty, when it is missing.
    bool hasKey(const UString& section, const UString& key);

    // A missing key is the fatal error "Key '%s' could not be found in section '%s'.".
    UString getString(const UString& section, const UString& key) const;
    int getInt(const UString& section, const UString& key) const;
    bool getBool(const UString& section, const UString& key) const;
    double getDouble(const UString& section, const UString& key) const;
    float getFloat(const UString& section, const UString& key) const;

    void setString(const UString& section, const UString& key, const UString& value);
    void setInt(const UString& section, const UString& key, int value);
    void setBool(const UString& section, const UString& key, bool value);
    void setDouble(const UString& section, const UString& key, double value);

    // Reads the key, first storing defaultValue when it is missing: the
    // pattern every configured subsystem follows.
    int readInt(const UString& section, const UString& key, int defaultValue);
    bool readBool(const UString& section, const UString& key, bool defaultValue);
    double readDouble(const UString& section, const UString& key, double defaultValue);
    UString readString(const UString& section, const UString& key, const UString& defaultValue);

    struct Section {
        UString name;
        std::vector<std::pair<UString, UString>> entries;
    };
    const std::vector<Section>& getSections() const { return sections; }

private:
    Section* findSection(const UString& name);
    const Section* findSection(const UString& name) const;
    Section& sectionFor(const UString& name);

    std::vector<Section> sections;
};
