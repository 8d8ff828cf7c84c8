#include "HSTdata.h"

#include "ApplicationInfo.h"
#include "DataFolder.h"
#include "FileManager.h"
#include "Global.h"
#include "Kiv.h"
#include "KivInput.h"
#include "Ticks.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <random>
#include <type_traits>

static_assert(std::is_standard_layout_v<HSTdata>, "the block is stored as its raw bytes");
static_assert(sizeof(HSTdata) == HSTdata::FILE_SIZE, "the block is 1976 bytes");
static_assert(offsetof(HSTdata, version) == 32);
static_assert(offsetof(HSTdata, freeText) == 48);
static_assert(offsetof(HSTdata, installationId) == 80);
static_assert(offsetof(HSTdata, countryCode) == 84);
static_assert(offsetof(HSTdata, highScores) == 88);
static_assert(sizeof(HSTdata::highScores[0]) == 560);
static_assert(offsetof(HSTdata, detail) == 1768);
static_assert(offsetof(HSTdata, resolution) == 1772);
static_assert(offsetof(HSTdata, maxFps) == 1776);
static_assert(offsetof(HSTdata, bFullScreen) == 1780);
static_assert(offsetof(HSTdata, bBilinearFilter) == 1781);
static_assert(offsetof(HSTdata, bVerticalSync) == 1782);
static_assert(offsetof(HSTdata, bShowFps) == 1783);
static_assert(offsetof(HSTdata, audioQuality) == 1784);
static_assert(offsetof(HSTdata, soundVolume) == 1788);
static_assert(offsetof(HSTdata, musicVolume) == 1792);
static_assert(offsetof(HSTdata, bInGameMusic) == 1796);
static_assert(offsetof(HSTdata, mouseSensitivity) == 1800);
static_assert(offsetof(HSTdata, bAllowCheats) == 1804);
static_assert(offsetof(HSTdata, bInGameHelp) == 1805);
static_assert(offsetof(HSTdata, startingLevel) == 1808);
static_assert(offsetof(HSTdata, freeText2) == 1812);
static_assert(offsetof(HSTdata, bConnectionTestPassed) == 1844);
static_assert(offsetof(HSTdata, publicAddress) == 1848);
static_assert(offsetof(HSTdata, reserved) == 1864);
static_assert(offsetof(HSTdata, countryVector) == 1884);
static_assert(offsetof(HSTdata, keys) == 1896);
static_assert(offsetof(HSTdata, runStart) == 1944);
static_assert(offsetof(HSTdata, playTime) == 1952);
static_assert(offsetof(HSTdata, bPlayerPromptPending) == 1956);

namespace {

const int32_t DEFAULT_KEYS[HSTdata::CONTROL_COUNT][2] = {
    {203, 30}, {205, 32}, {200, 17}, {208, 45}, {57, 42}, {28, 29},
};
const int32_t DEFAULT_RESERVED[5] = {0, 2, 2, 0, 0};

int64_t now()
{
    TimeStamp stamp;
    stamp.setNow();
    return stamp.get();
}

// The identifier must differ between installations, and rand() may not have
// been seeded by anyone yet: it comes from its own generator, seeded from the
// clock, and leaves the sequence of rand() alone.
uint32_t freshInstallationId()
{
    std::random_device device;
    std::seed_seq seed{static_cast<uint32_t>(now()), static_cast<uint32_t>(now() >> 32), getTicks(), device()};
    std::mt19937 generator(seed);
    uint32_t id = 0;
    while (id == 0)
        id = generator();
    return id;
}

// A bool read from disk may hold any byte; only 0 and 1 are valid values.
void normaliseFlag(bool& flag)
{
    unsigned char byte;
    std::memcpy(&byte, &flag, 1);
    flag = byte != 0;
}

void clampSetting(int32_t& value, int32_t low, int32_t high)
{
    value = std::clamp(value, low, high);
}

bool isValidCountryCode(const char code[2])
{
    if (code[0] == '-' && code[1] == '-')
        return true;
    return code[0] >= 'A' && code[0] <= 'Z' && code[1] >= 'A' && code[1] <= 'Z';
}

}

HSTdata::HSTdata()
{
    initialise();
    if (pKiv && pKiv->pFileManager)
        load(*pKiv->pFileManager);
}

HSTdata::~HSTdata()
{
    addRunTime();
    if (pKiv && pKiv->pFileManager)
        save(*pKiv->pFileManager);
}

void HSTdata::initialise()
{
    unsigned char* bytes = reinterpret_cast<unsigned char*>(this);
    for (size_t offset = 0; offset < FILE_SIZE; offset += 4) {
        uint32_t word = randomWord();
        std::memcpy(bytes + offset, &word, 4);
    }
    std::memcpy(applicationName, APPLICATION_NAME, std::strlen(APPLICATION_NAME) + 1);
    std::memcpy(version, APPLICATION_VERSION, std::strlen(APPLICATION_VERSION) + 1);
    freeText[0] = 0;
    installationId = 0;
    countryCode[0] = '-';
    countryCode[1] = '-';
    resetHighScores();
    writeDefaultSettings();
}

void HSTdata::writeDefaultSettings()
{
    detail = 1;
    resolution = 1;
    maxFps = 100;
    bFullScreen = true;
    bBilinearFilter = true;
    bVerticalSync = true;
    bShowFps = false;
    audioQuality = 1;
    soundVolume = 24;
    musicVolume = 15;
    bInGameMusic = true;
    mouseSensitivity = 2;
    bAllowCheats = false;
    bInGameHelp = true;
    startingLevel = 0;
    freeText2[0] = 0;
    bConnectionTestPassed = false;
    publicAddress = NetAddress();
    std::memcpy(reserved, DEFAULT_RESERVED, sizeof(reserved));
    countryVector[0] = 0.0f;
    countryVector[1] = 0.0f;
    countryVector[2] = -1.0f;
    std::memcpy(keys, DEFAULT_KEYS, sizeof(keys));
    runStart.setNow();
    playTime = 0;
    bPlayerPromptPending = true;
}

void HSTdata::resetHighScores()
{
    TimeStamp time;
    time.setNow();
    for (HighScoreEntry(&table)[ENTRY_COUNT] : highScores) {
        for (int i = 0; i < ENTRY_COUNT; ++i) {
            HighScoreEntry& entry = table[i];
            entry.checkValue = MD5Digest();
            entry.name[0] = 0;
            entry.score = 100000 - 10000 * i;
            entry.value2 = 10 - i;
            entry.value3 = 0;
            entry.time = time;
        }
    }
}

int HSTdata::insertHighScore(int table, const char* playerName, int score, int value2, int value3, bool bSigned)
{
    if (table < 0 || table >= TABLE_COUNT)
        return -1;
    HighScoreEntry* entries = highScores[table];
    int position = 0;
    while (position < ENTRY_COUNT && entries[position].score >= score)
        ++position;
    if (position == ENTRY_COUNT)
        return -1;
    for (int i = ENTRY_COUNT - 1; i > position; --i)
        entries[i] = entries[i - 1];

    HighScoreEntry& entry = entries[position];
    entry.checkValue = MD5Digest();
    const char* name = playerName ? playerName : "";
    size_t length = strnlen(name, HighScoreEntry::NAME_SIZE - 1);
    std::memcpy(entry.name, name, length);
    entry.name[length] = 0;
    entry.score = score;
    entry.value2 = value2;
    entry.value3 = value3;
    entry.time.setNow();
    if (bSigned)
        entry.checkValue = MD5Digest(SIGNATURE_KEY, entries, sizeof(highScores[table]));
    else
        entry.checkValue.bytes[0] = 1;
    return position;
}

UString HSTdata::getFileName()
{
    return UString(APPLICATION_NAME) + ".hst";
}

bool HSTdata::save(FileManager& files, UString* reason) const
{
    return files.savePackedFile(getDataFolder(true), getFileName(), APPLICATION_VERSION, this, FILE_SIZE, reason);
}

void HSTdata::saveNow() const
{
    UString reason;
    if (pKiv && pKiv->pFileManager && !save(*pKiv->pFileManager, &reason) && pGlobal)
        pGlobal->tellSaveFailure(reason);
}

bool HSTdata::load(FileManager& files)
{
    const UString folder = getDataFolder(true);
    bool bAccepted = files.loadPackedFile(folder, getFileName(), APPLICATION_VERSION, this, FILE_SIZE);
    if (bAccepted && isForeign()) {
        files.keepDamaged(folder + "/" + getFileName(), "it holds the block of another program or version");
        initialise();
        bAccepted = false;
    }
    if (bAccepted)
        repair();
    runStart.set(std::max(runStart.get(), now()));
    if (installationId == 0)
        installationId = freshInstallationId();
    return bAccepted;
}

void HSTdata::addRunTime()
{
    const int64_t end = now();
    int32_t seconds = static_cast<int32_t>(static_cast<uint32_t>(end) - static_cast<uint32_t>(runStart.get()));
    if (seconds > 0)
        playTime = playTime > INT32_MAX - seconds ? INT32_MAX : playTime + seconds;
    runStart.set(end);
}

bool HSTdata::isForeign() const
{
    return strncmp(applicationName, APPLICATION_NAME, sizeof(applicationName)) != 0 ||
           strncmp(version, APPLICATION_VERSION, sizeof(version)) != 0;
}

// The container's digest only proves that the file is the one this program
// wrote; an edited or faulty copy may still hold values that would divide by
// zero, index past a table or run off the end of a text.
void HSTdata::repair()
{
    applicationName[sizeof(applicationName) - 1] = 0;
    version[sizeof(version) - 1] = 0;
    freeText[sizeof(freeText) - 1] = 0;
    freeText2[sizeof(freeText2) - 1] = 0;
    for (HighScoreEntry(&table)[ENTRY_COUNT] : highScores) {
        for (HighScoreEntry& entry : table)
            entry.name[HighScoreEntry::NAME_SIZE - 1] = 0;
    }
    if (!isValidCountryCode(countryCode)) {
        countryCode[0] = '-';
        countryCode[1] = '-';
    }

    clampSetting(detail, 0, MAX_DETAIL);
    clampSetting(resolution, 0, MAX_RESOLUTION);
    clampSetting(maxFps, MIN_FPS, MAX_FPS);
    clampSetting(audioQuality, 0, MAX_AUDIO_QUALITY);
    clampSetting(soundVolume, 0, MAX_VOLUME);
    clampSetting(musicVolume, 0, MAX_VOLUME);
    clampSetting(mouseSensitivity, 0, MAX_MOUSE_SENSITIVITY);
    clampSetting(startingLevel, 0, MAX_STARTING_LEVEL);
    for (bool* flag : {&bFullScreen, &bBilinearFilter, &bVerticalSync, &bShowFps, &bInGameMusic, &bAllowCheats,
                       &bInGameHelp, &bConnectionTestPassed, &bPlayerPromptPending})
        normaliseFlag(*flag);

    if (publicAddress.address.sin_family != AF_INET)
        publicAddress = NetAddress();
    if (!std::isfinite(countryVector[0]) || !std::isfinite(countryVector[1]) || !std::isfinite(countryVector[2])) {
        countryVector[0] = 0.0f;
        countryVector[1] = 0.0f;
        countryVector[2] = -1.0f;
    }
    for (int control = 0; control < CONTROL_COUNT; ++control) {
        for (int slot = 0; slot < 2; ++slot) {
            int32_t& code = keys[control][slot];
            if (code < 0 || code >= KivInput::KEY_COUNT)
                code = DEFAULT_KEYS[control][slot];
        }
    }
    if (playTime < 0)
        playTime = 0;
}
