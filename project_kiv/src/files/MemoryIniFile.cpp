#include "MemoryIniFile.h"

#include "ErrorManager.h"
#include "FileManager.h"
#include "Kiv.h"
#include "KivObserver.h"
#include "Logger.h"
#include "NumberText.h"
#include "ReplaceFile.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <vector>

namespace {

// The longest line kept. The program's own keys and values are a few dozen
// bytes at most; a page of text is room enough for any hand edit, and a line
// beyond it (a damaged file, a paste gone wrong) would otherwise be carried
// along and written back on every run.
constexpr size_t MAX_LINE_LENGTH = 4096;

UString trimmed(const std::string& line)
{
    const char* blanks = " \t\r\n";
    size_t first = line.find_first_not_of(blanks);
    if (first == std::string::npos)
        return UString();
    size_t last = line.find_last_not_of(blanks);
    return UString(line.substr(first, last - first + 1));
}

bool hasControlBytes(const UString& line)
{
    for (const char c : line) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            return true;
    }
    return false;
}

// Printable ASCII, and more than spaces.
bool isSectionName(const UString& name)
{
    for (const char c : name) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte > 0x7E)
            return false;
    }
    return name.find_first_not_of(' ') != std::string::npos;
}

// problem: "is out of its range", "is not a number"...
void logReplaced(const UString& section, const UString& key, const char* problem, const UString& stored,
                 const UString& used)
{
    KIV_LOG("'%s' in section '%s' %s ('%s'); using %s.", key.c_str(), section.c_str(), problem, stored.c_str(),
            used.c_str());
}

} // namespace

MemoryIniFile::MemoryIniFile(const UString& fileName)
{
    if (!pKiv || !pKiv->pFileManager)
        return;
    std::unique_ptr<InputFile> file = pKiv->pFileManager->open(fileName);
    if (!file)
        return;
    std::vector<char> text(file->getSize());
    size_t got = file->read(text.data(), text.size());
    logDropped(parse(text.data(), got), fileName);
}

int MemoryIniFile::parse(const char* text, size_t size)
{
    // Null while no section (or only one without a proper name) is open:
    // its keys have nowhere to go.
    Section* current = nullptr;
    int dropped = 0;
    size_t start = 0;
    while (start < size) {
        size_t end = start;
        while (end < size && text[end] != '\n')
            ++end;
        UString line = trimmed(std::string(text + start, end - start));
        start = end + 1;
        if (line.empty())
            continue;
        const size_t equals = line.find('=');
        const bool bHeader =
            equals == std::string::npos && line.size() >= 2 && line.front() == '[' && line.back() == ']';
        const bool bGarbage = hasControlBytes(line) || line.size() > MAX_LINE_LENGTH;
        if (bHeader) {
            const UString name = line.substr(1, line.size() - 2);
            current = !bGarbage && isSectionName(name) ? &sectionFor(name) : nullptr;
            if (!current)
                ++dropped;
        } else if (!bGarbage && equals != std::string::npos && equals > 0 && current) {
            store(*current, line.substr(0, equals), line.substr(equals + 1));
        } else {
            ++dropped;
        }
    }
    return dropped;
}

PlayerFileRead MemoryIniFile::readFile(const UString& path, size_t maxSize, UString& reason)
{
    std::vector<unsigned char> bytes;
    const PlayerFileRead result = readPlayerFile(path, maxSize, bytes, reason);
    if (result == PlayerFileRead::READ)
        logDropped(parse(reinterpret_cast<const char*>(bytes.data()), bytes.size()), path);
    return result;
}

void MemoryIniFile::logDropped(int dropped, const UString& fileName)
{
    if (dropped > 0)
        KIV_LOG("Dropped %d lines of '%s' that are neither a section header with a printable name nor a key with a "
                "value under one, or are longer than %zu bytes.",
                dropped, fileName.c_str(), MAX_LINE_LENGTH);
}

UString MemoryIniFile::toText() const
{
    UString text;
    for (const Section& section : sections) {
        text += "[" + section.name + "]\n";
        for (const auto& entry : section.entries)
            text += entry.first + "=" + entry.second + "\n";
        text += "\n";
    }
    return text;
}

bool MemoryIniFile::writeFile(const UString& path, UString& error) const
{
    const UString text = toText();
    if (!replaceFile(path, std::vector<unsigned char>(text.begin(), text.end()), error))
        return false;
    if (pKiv && pKiv->pObserver)
        pKiv->pObserver->onFileSaved(path, text.data(), text.size());
    return true;
}

bool MemoryIniFile::hasSection(const UString& section) const
{
    return findSection(section) != nullptr;
}

bool MemoryIniFile::hasKey(const UString& section, const UString& key)
{
    return find(sectionFor(section), key) != nullptr;
}

UString MemoryIniFile::getString(const UString& section, const UString& key) const
{
    if (const Section* found = findSection(section))
        if (const UString* value = find(*found, key))
            return *value;
    KIV_ERROR("Key '%s' could not be found in section '%s'.", key.c_str(), section.c_str());
}

int MemoryIniFile::getInt(const UString& section, const UString& key) const
{
    long long value = 0;
    if (!readWholeInteger(trimmed(getString(section, key)), value))
        return 0;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

bool MemoryIniFile::getBool(const UString& section, const UString& key) const
{
    UString text = getString(section, key);
    return !text.empty() && text[0] == 'Y';
}

double MemoryIniFile::getDouble(const UString& section, const UString& key) const
{
    double value = 0.0;
    return readWholeDecimal(trimmed(getString(section, key)), value) ? value : 0.0;
}

float MemoryIniFile::getFloat(const UString& section, const UString& key) const
{
    return static_cast<float>(getDouble(section, key));
}

void MemoryIniFile::setString(const UString& section, const UString& key, const UString& value)
{
    store(sectionFor(section), key, value);
}

void MemoryIniFile::setInt(const UString& section, const UString& key, int value)
{
    setString(section, key, formatString("%d", value));
}

void MemoryIniFile::setBool(const UString& section, const UString& key, bool value)
{
    setString(section, key, value ? "Yes" : "No");
}

void MemoryIniFile::setDouble(const UString& section, const UString& key, double value)
{
    setString(section, key, formatString("%.8lf", value));
}

int MemoryIniFile::readInt(const UString& section, const UString& key, int defaultValue)
{
    return readIntInRange(section, key, defaultValue, INT_MIN, INT_MAX);
}

bool MemoryIniFile::readBool(const UString& section, const UString& key, bool defaultValue)
{
    const UString stored = readString(section, key, defaultValue ? "Yes" : "No");
    const UString text = trimmed(stored);
    if (text == "Yes" || text == "No")
        return text == "Yes";
    setBool(section, key, defaultValue);
    logReplaced(section, key, "is neither Yes nor No", stored, getString(section, key));
    return defaultValue;
}

double MemoryIniFile::readDouble(const UString& section, const UString& key, double defaultValue)
{
    return readDoubleInRange(section, key, defaultValue, -DBL_MAX, DBL_MAX);
}

UString MemoryIniFile::readString(const UString& section, const UString& key, const UString& defaultValue)
{
    if (!hasKey(section, key))
        setString(section, key, defaultValue);
    return getString(section, key);
}

int MemoryIniFile::readIntInRange(const UString& section, const UString& key, int defaultValue, int low, int high)
{
    const UString stored = readString(section, key, formatString("%d", defaultValue));
    const UString text = trimmed(stored);
    long long value = 0;
    long long used = defaultValue;
    const char* problem = nullptr;
    if (readWholeInteger(text, value)) {
        used = std::clamp<long long>(value, low, high);
        if (used != value)
            problem = "is out of its range";
    } else {
        double decimal = 0.0;
        problem = readWholeDecimal(text, decimal) ? "is not a whole number" : "is not a number";
    }
    if (problem) {
        setInt(section, key, static_cast<int>(used));
        logReplaced(section, key, problem, stored, getString(section, key));
    }
    return static_cast<int>(used);
}

double MemoryIniFile::readDoubleInRange(const UString& section, const UString& key, double defaultValue,
                                        double low, double high)
{
    const UString stored = readString(section, key, formatString("%.8lf", defaultValue));
    double value = 0.0;
    const bool bNumber = readWholeDecimal(trimmed(stored), value);
    const double used = !bNumber ? defaultValue : std::clamp(value, low, high);
    if (!bNumber || used != value) {
        setDouble(section, key, used);
        logReplaced(section, key, bNumber ? "is out of its range" : "is not a number", stored,
                    getString(section, key));
    }
    return used;
}

MemoryIniFile::Section* MemoryIniFile::findSection(const UString& name)
{
    const auto found = sectionIndex.find(name);
    return found == sectionIndex.end() ? nullptr : &sections[found->second];
}

const MemoryIniFile::Section* MemoryIniFile::findSection(const UString& name) const
{
    const auto found = sectionIndex.find(name);
    return found == sectionIndex.end() ? nullptr : &sections[found->second];
}

MemoryIniFile::Section& MemoryIniFile::sectionFor(const UString& name)
{
    if (Section* found = findSection(name))
        return *found;
    sectionIndex.emplace(name, sections.size());
    sections.push_back(Section{name, {}, {}});
    return sections.back();
}

void MemoryIniFile::store(Section& section, const UString& key, const UString& value)
{
    const auto [position, bAdded] = section.keyIndex.emplace(key, section.entries.size());
    if (bAdded)
        section.entries.emplace_back(key, value);
    else
        section.entries[position->second].second = value;
}

const UString* MemoryIniFile::find(const Section& section, const UString& key)
{
    const auto found = section.keyIndex.find(key);
    return found == section.keyIndex.end() ? nullptr : &section.entries[found->second].second;
}
