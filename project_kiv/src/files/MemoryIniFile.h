#pragma once
// MemoryIniFile: an ini file held in memory, sections of key/value texts in
// file order. Parsing: lines trimmed of " \t\r\n", empty lines skipped, a
// line with '=' and a key before it is a key and value split at the first
// '=', a line "[name]" opens the section of that name; any other line is
// dropped, and so are lines holding control bytes, lines longer than 4096
// bytes, a section whose name is empty, only spaces or not printable ASCII
// (with its keys) and keys outside any section, so a damaged file does not
// grow sections of garbage that every later save would write again. Writing
// produces "[Section]" and "key=value" lines the parser reads back. Lookups
// go through hash indexes, so reading a file takes time in proportion to its
// size whatever it holds.
// Main thread (its users are the engine's configuration and loaders).
#include "PlayerFile.h"
#include "UString.h"

#include <cstddef>
#include <unordered_map>
#include <utility>
#include <vector>

class MemoryIniFile {
public:
    MemoryIniFile() = default;
    // Reads the file through the file manager when it exists there.
    explicit MemoryIniFile(const UString& fileName);

    // Adds what the text holds; returns the number of lines dropped.
    int parse(const char* text, size_t size);
    // Straight from a disk path (the engine configuration), a file of at most
    // maxSize bytes (readPlayerFile); logs the lines it drops.
    PlayerFileRead readFile(const UString& path, size_t maxSize, UString& reason);
    // Replaces the file whole (ReplaceFile.h): false, with the reason in
    // words, when it could not be stored; the old file is then left as it was.
    // A file stored is told to the engine's observer, if any.
    bool writeFile(const UString& path, UString& error) const;
    UString toText() const;

    int getSectionCount() const { return static_cast<int>(sections.size()); }
    bool hasSection(const UString& section) const;
    // Creates the section, empty, when it is missing.
    bool hasKey(const UString& section, const UString& key);

    // A missing key is the fatal error "Key '%s' could not be found in section
    // '%s'.". A number is read only when it is the whole value, blanks around
    // it aside (NumberText.h): "12abc" or "1e9" is no whole number; a value
    // that is no number reads as 0, and getInt brings a larger one to int's
    // range.
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
    // pattern every configured subsystem follows. A number that is not the
    // whole value takes the default, as in readIntInRange below; so does an
    // on/off value that is neither "Yes" nor "No", logged as "'%s' in
    // section '%s' is neither Yes nor No ('%s'); using %s." and stored as the
    // default.
    int readInt(const UString& section, const UString& key, int defaultValue);
    bool readBool(const UString& section, const UString& key, bool defaultValue);
    double readDouble(const UString& section, const UString& key, double defaultValue);
    UString readString(const UString& section, const UString& key, const UString& defaultValue);
    // The same, kept within low..high (defaultValue lies inside): a value
    // outside is moved to the nearest end and logged as "'%s' in section
    // '%s' is out of its range ('%s'); using %s."; one that is not wholly a
    // number ("12abc", "nan") takes the default, logged the same way as "is
    // not a number", and so does, for an int, a number that is not written
    // as a whole one ("1e9", "1.5": "is not a whole number"). The value used
    // is stored, so the file holds a working value from then on.
    int readIntInRange(const UString& section, const UString& key, int defaultValue, int low, int high);
    double readDoubleInRange(const UString& section, const UString& key, double defaultValue, double low,
                             double high);

    struct Section {
        UString name;
        std::vector<std::pair<UString, UString>> entries;
        // Position of each key in entries.
        std::unordered_map<UString, size_t> keyIndex;
    };
    const std::vector<Section>& getSections() const { return sections; }

private:
    Section* findSection(const UString& name);
    const Section* findSection(const UString& name) const;
    Section& sectionFor(const UString& name);
    static void store(Section& section, const UString& key, const UString& value);
    static const UString* find(const Section& section, const UString& key);
    static void logDropped(int dropped, const UString& fileName);

    std::vector<Section> sections;
    // Position of each section in sections.
    std::unordered_map<UString, size_t> sectionIndex;
};
