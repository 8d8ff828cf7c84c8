#pragma once
// HSTdata: the persistent block of high scores and settings, 1976 bytes kept
// in the data folder as "Glimmerdaledemo.hst" and sent as is by the score
// upload, so its layout is a file and wire format. Embedded in Global: it is
// loaded when Global is constructed and saved when it is destroyed; in
// between, screens, menu items and the game read and write the fields
// directly; whoever changes what the player would miss after a kill (a high
// score entered, settings closed, the tables cleared) saves at once through
// saveNow. The block is its own raw memory image: it holds nothing but the
// fixed fields below. Main thread only.
#include "HighScoreEntry.h"
#include "NetAddress.h"
#include "UString.h"

#include <cstddef>
#include <cstdint>

class FileManager;

class HSTdata {
public:
    static constexpr size_t FILE_SIZE = 1976;
    static constexpr int TABLE_COUNT = 3;
    static constexpr int ENTRY_COUNT = 10;
    static constexpr int CONTROL_COUNT = 6;
    // Key of the check value of a signed high-score entry.
    static constexpr uint32_t SIGNATURE_KEY = 0x6d2e91b4;

    // Ranges of the settings; anything read from disk is brought inside them.
    static constexpr int MAX_DETAIL = 1;
    static constexpr int MAX_RESOLUTION = 3;
    static constexpr int MIN_FPS = 25;
    static constexpr int MAX_FPS = 125;
    static constexpr int MAX_AUDIO_QUALITY = 2;
    static constexpr int MAX_VOLUME = 24;
    static constexpr int MAX_MOUSE_SENSITIVITY = 4;
    static constexpr int MAX_STARTING_LEVEL = 3;

    // Defaults, then the file through the engine's file manager when an engine
    // exists.
    HSTdata();
    // Adds this run's play time, then saves through the engine's file
    // manager when an engine exists.
    ~HSTdata();
    HSTdata(const HSTdata&) = delete;
    HSTdata& operator=(const HSTdata&) = delete;

    // Random fill of every byte (rand), then every default.
    void initialise();
    // Puts the three tables back to the fresh installation's scores.
    void resetHighScores();
    // Inserts a result into table 0..2 (the game mode) below every entry
    // with the same or a higher score; at most 15 characters of the name are
    // kept. Returns the row 0..9, or -1 when the score does not qualify or
    // the table does not exist.
    int insertHighScore(int table, const char* playerName, int score, int value2, int value3, bool bSigned);
    // The block's file in the data folder: "Glimmerdaledemo.hst".
    static UString getFileName();
    // False when the file could not be written (FileManager::savePackedFile),
    // with the reason when asked for.
    bool save(FileManager& files, UString* reason = nullptr) const;
    // Writes the block now through the engine's file manager, when an engine
    // exists; a failure is also told to the player (Global::tellSaveFailure).
    void saveNow() const;
    // Replaces the block with the file when it checks out and brings every
    // setting into its range (false, and the defaults, otherwise: a file
    // that is there but fails is kept aside as ".damaged"); then fixes the
    // run start and draws the installation identifier when it is 0.
    bool load(FileManager& files);
    // Adds the seconds since the run start to the play time unless the clock
    // went backwards, and starts counting the run anew from now.
    void addRunTime();

    char applicationName[32];
    char version[16];
    char freeText[32];
    uint32_t installationId;
    // Two letters, no terminator; "--" for none.
    char countryCode[2];
    uint8_t unused0[2];
    // Indexed by game mode: action 0, quest 1, puzzle 2. Best first.
    HighScoreEntry highScores[TABLE_COUNT][ENTRY_COUNT];
    // 0 low, 1 high.
    int32_t detail;
    // 0 = 320 x 240, 1 = 640 x 480, 2 = 800 x 600, 3 = 1024 x 768.
    int32_t resolution;
    int32_t maxFps;
    bool bFullScreen;
    bool bBilinearFilter;
    bool bVerticalSync;
    bool bShowFps;
    // 0 = 11025 Hz, 1 = 22050 Hz, 2 = 44100 Hz.
    int32_t audioQuality;
    // 0..24; 24 is full volume.
    int32_t soundVolume;
    int32_t musicVolume;
    bool bInGameMusic;
    uint8_t unused1[3];
    // 0..4, minimum to maximum.
    int32_t mouseSensitivity;
    bool bAllowCheats;
    bool bInGameHelp;
    uint8_t unused2[2];
    // Copied into every new game controller's difficulty, 0..3.
    int32_t startingLevel;
    char freeText2[32];
    bool bConnectionTestPassed;
    uint8_t unused3[3];
    // Written by the network wizard.
    NetAddress publicAddress;
    int32_t reserved[5];
    // Direction of the player's country on the globe (x, y, z).
    float countryVector[3];
    // Six controls (left, right, up, down, fire, missile), two input codes
    // each.
    int32_t keys[CONTROL_COUNT][2];
    TimeStamp runStart;
    // Seconds.
    int32_t playTime;
    bool bPlayerPromptPending;
    uint8_t unused4[19];

private:
    void writeDefaultSettings();
    bool isForeign() const;
    void repair();
};
