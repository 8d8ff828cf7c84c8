#pragma once
// ProfileManager: the player roster, ten slots with one saved game per
// player and game mode. Embedded in Global and alive for the whole run: it
// reads the roster file when constructed, writes it whenever a player is
// added, deleted or chosen (and the game writes it whenever a game is saved,
// left or ended, through saveNow), and once more when destroyed; so a kill
// at any moment loses no change made before it. The whole record is the
// content of the roster file, byte for byte, so it holds nothing but its
// fixed fields. Main thread only.
#include "Profile.h"
#include "UString.h"

#include <cstddef>
#include <cstdint>
#include <string>

class FileManager;

class ProfileManager {
public:
    static constexpr int PROFILE_COUNT = 10;
    static constexpr size_t FILE_SIZE = 1048;

    // Empty roster, then the roster file through the engine's file manager
    // when an engine exists; logs the current player.
    ProfileManager();
    // Writes the roster file through the engine's file manager when an engine
    // exists.
    ~ProfileManager();
    ProfileManager(const ProfileManager&) = delete;
    ProfileManager& operator=(const ProfileManager&) = delete;

    // Slot 0..9 holds a player; false for any other index.
    bool isUsed(int index) const;
    // The slot's name; "" for an index outside 0..9.
    const char* getName(int index) const;
    int getCount() const;
    // Makes the slot current and saves; an index outside 0..9 is ignored.
    void selectProfile(int index);
    // Puts the player into the first free slot with a new random id and no
    // saved games, makes it current and saves. Names are cut to 15
    // characters; an empty name, or a full roster, changes nothing.
    void addProfile(const std::string& name);
    // Removes the player and saves; later players move up one slot. The
    // current player stays current; when it was the one deleted and nobody
    // moved into its slot, slot 0 becomes current.
    void deleteProfile(int index);
    // Logs the new current player and forgets the last high-score position.
    void onCurrentProfileChanged();

    // Replaces the roster with the file when it checks out, then repairs
    // what a damaged record could hold; false leaves the roster as it was
    // (a file that is there but fails is kept aside as ".damaged").
    bool load(FileManager& files);
    // False when the file could not be written (FileManager::savePackedFile),
    // with the reason when asked for.
    bool save(FileManager& files, UString* reason = nullptr) const;
    // Writes the roster file now through the engine's file manager, when an
    // engine exists; a failure is also told to the player (Global::
    // tellSaveFailure).
    void saveNow() const;

    // Row 0..9 of the current player's newest high-score entry; -1 for none.
    int32_t lastHighScorePosition;
    // Slot of the current player, 0..9.
    int32_t current;
    Profile profiles[PROFILE_COUNT];

private:
    void repair();
};
