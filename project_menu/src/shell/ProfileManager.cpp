#include "ProfileManager.h"

#include "ApplicationInfo.h"
#include "DataFolder.h"
#include "FileManager.h"
#include "Global.h"
#include "Kiv.h"
#include "Logger.h"

#include <cstring>
#include <type_traits>

static_assert(std::is_standard_layout_v<ProfileManager>, "the roster is stored as its raw bytes");
static_assert(sizeof(ProfileManager) == ProfileManager::FILE_SIZE, "the roster file holds 1048 bytes");
static_assert(offsetof(ProfileManager, current) == 4);
static_assert(offsetof(ProfileManager, profiles) == 8);

namespace {

UString rosterFileName()
{
    return UString(APPLICATION_NAME) + ".pro";
}

}

ProfileManager::ProfileManager() : lastHighScorePosition(-1), current(0), profiles{}
{
    if (pKiv && pKiv->pFileManager)
        load(*pKiv->pFileManager);
    onCurrentProfileChanged();
}

ProfileManager::~ProfileManager()
{
    if (pKiv && pKiv->pFileManager)
        save(*pKiv->pFileManager);
}

bool ProfileManager::isUsed(int index) const
{
    return index >= 0 && index < PROFILE_COUNT && profiles[index].name[0] != 0;
}

const char* ProfileManager::getName(int index) const
{
    if (index < 0 || index >= PROFILE_COUNT)
        return "";
    return profiles[index].name;
}

int ProfileManager::getCount() const
{
    int count = 0;
    for (int i = 0; i < PROFILE_COUNT; ++i)
        count += isUsed(i) ? 1 : 0;
    return count;
}

void ProfileManager::selectProfile(int index)
{
    if (index < 0 || index >= PROFILE_COUNT)
        return;
    current = index;
    onCurrentProfileChanged();
    saveNow();
}

void ProfileManager::addProfile(const std::string& name)
{
    if (name.empty() || name[0] == 0)
        return;
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        if (isUsed(i))
            continue;
        Profile& profile = profiles[i];
        profile = Profile{};
        profile.id = randomWord();
        std::strncpy(profile.name, name.c_str(), Profile::NAME_SIZE - 1);
        profile.name[Profile::NAME_SIZE - 1] = 0;
        current = i;
        onCurrentProfileChanged();
        saveNow();
        return;
    }
}

void ProfileManager::deleteProfile(int index)
{
    if (index < 0 || index >= PROFILE_COUNT)
        return;
    for (int i = index; i < PROFILE_COUNT - 1; ++i)
        profiles[i] = profiles[i + 1];
    profiles[PROFILE_COUNT - 1] = Profile{};
    if (index == current && !isUsed(current))
        current = 0;
    else if (index < current)
        --current;
    saveNow();
}

void ProfileManager::onCurrentProfileChanged()
{
    KIV_LOG("Changing profile to '%s'...", getName(current));
    lastHighScorePosition = -1;
}

bool ProfileManager::load(FileManager& files)
{
    if (!files.loadPackedFile(getDataFolder(true), rosterFileName(), APPLICATION_VERSION, this, FILE_SIZE))
        return false;
    repair();
    return true;
}

bool ProfileManager::save(FileManager& files, UString* reason) const
{
    return files.savePackedFile(getDataFolder(true), rosterFileName(), APPLICATION_VERSION, this, FILE_SIZE, reason);
}

void ProfileManager::saveNow() const
{
    UString reason;
    if (pKiv && pKiv->pFileManager && !save(*pKiv->pFileManager, &reason) && pGlobal)
        pGlobal->tellSaveFailure(reason);
}

// A file passes its digest check yet may come from a faulty or edited copy:
// nothing read here may later index past a table or run off a name.
void ProfileManager::repair()
{
    lastHighScorePosition = -1;
    if (current < 0 || current >= PROFILE_COUNT)
        current = 0;
    // Players always fill a run of slots from slot 0; close any gap, keeping
    // the current player current.
    int used = 0;
    int newCurrent = 0;
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        Profile& profile = profiles[i];
        profile.name[Profile::NAME_SIZE - 1] = 0;
        if (profile.name[0] == 0)
            continue;
        if (i == current)
            newCurrent = used;
        if (i != used)
            profiles[used] = profile;
        ++used;
    }
    for (int i = used; i < PROFILE_COUNT; ++i)
        profiles[i] = Profile{};
    current = newCurrent;
    for (int i = 0; i < used; ++i) {
        for (SavedGame& game : profiles[i].savedGames) {
            if (game.housesPlayed > 0 && !game.isConsistent())
                game = SavedGame{};
        }
    }
}
