#pragma once
#include "engine/progress/GameVariables.h"
#include "engine/progress/KeptCopies.h"
#include "engine/progress/PlayerFileOwners.h"
#include "engine/progress/ProgressPick.h"
#include "engine/progress/UntoldNotices.h"
#include "engine/Singleton.h"
#include "engine/Types.h"

#include <list>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

class iXML;

using NAME_LIST = std::list<WString>;

// Writes the default of every game variable; the entry sets it to the game's function
// before any profile is made. Called before a profile loads and for every new profile.
using fProfileInit = void (*)();
extern fProfileInit g_profileInitHook;

// The identifier as a file name stem: eight digits, zero-filled; wider numbers in full.
String formatProfileID(ULong _id);

// The player whose game is being played. The index "profiles.xml" lists every profile's
// name and identifier; each profile keeps its variables in "<identifier>.xml" beside it, and
// other parts of the game add files with the same identifier prefix. The variables are
// loaded at construction and written back by save() or, at the latest, the destructor.
class cProfile : public cSingleton<cProfile> {
public:
    // Loads the named profile, making it (and the index) on the first use of the name. An
    // empty name loads nothing and never writes.
    // _resuming: the name comes from the index, not from the player, so a name the index
    // does not hold takes an existing player (told to the player) rather than a new farm.
    explicit cProfile(const WString& _userName, Bool _resuming = false);
    // Saves like save(), but a failure is only logged: nothing may leave a destructor.
    ~cProfile() override;

    // Writes the index (as no longer playing) and the loaded profile's variables. Callers
    // that can show a failure call it before deleting the object.
    void save();

    void load();
    void loadHeaders(iXML* _xml_doc);
    void saveHeaders();
    void saveAllProps();
    void createProfile();
    // Removes the profile and every file of its identifier; the first remaining name becomes
    // the current user. The variables in memory stay with the profile they were loaded for.
    void deleteProfile(const WString& _name);
    void getNames(NAME_LIST& _names) const;
    // Once a frame: what the index kept for the screen and has been shown goes from the disk at
    // once, when what it tells is on the disk (a rebuilt farm once the game has saved it).
    void forgetShownNotices();
    // Whether the farm loaded was rebuilt from what reads of damaged files and no save of it has landed.
    Bool isRebuiltUnsaved() const { return m_rebuilt; }
    // Raises "ProfileID error." when the current user is not in the index.
    String getProfileID() const;

    // The index and the current player's variables and level state, for a failure's words.
    std::vector<String> getProgressFiles() const;

    // Setting "profiles" of section "game", with a '/' appended when missing; may be empty.
    static String getProfilesDir();
    static Bool isHeadersExist();
    // CurrentUser of the index, or empty without one. Only reads: of a damaged index, what
    // still reads of the attribute.
    static WString getCurrentUserName();
    // Whether a player's variables (or their last copy) lie in the profiles folder.
    static Bool hasPlayerFiles();
    // The profiles folder is there but cannot be listed or read: its players cannot be seen,
    // so nothing may be written into it (a new farm would take the place of one unseen).
    static Bool isFolderClosed();

    static void setProperty(const String& _type_name, const String& _name, const WString& _val)
    {
        ::setProperty(_type_name, _name, _val);
    }
    // One per type: the text read as the type's value under _name, added or replaced.
    template <ePropertyType Type> static void setTypedProperty(const String& _name, const WString& _val)
    {
        ::setTypedProperty<Type>(_name, _val);
    }
    // The String map takes its text already narrowed.
    static void setTypedProperty(const String& _name, const String& _val) { propertyMap<PT_STRING>()[_name] = _val; }
    // One per type: a property element per entry of the type's map, appended to _out.
    template <ePropertyType Type> static void writeProperties(WString& _out) { ::writeProperties<Type>(_out); }

    // The variables as the last load read them (texts that did not read included), for what
    // only the game can judge against its own data, and how they came: written by this build
    // (sealed) or an earlier one, whole or salvaged from damaged copies. Empty again once
    // forgotten: the game's own writes follow.
    struct sLoadedCopy {
        std::vector<sSavedVariable> variables;
        Bool sealed = false;
        Bool salvaged = false;
        // The level state goes with whole variables but is used as it reads: nothing vouches for it.
        Bool levelStateSalvaged = false;
        Bool isEarlierBuilds() const { return !variables.empty() && !sealed; }
        // Each value of the variables is the save's own: they came whole, not salvaged. What the
        // level state holds is no value of theirs, so its damage does not count here.
        Bool areVariablesVouchedFor() const { return !salvaged; }
        // What the level state holds is the save's own: whole variables go with it, and it agrees
        // with the seal they keep of it, where they keep one (an earlier build's do not).
        Bool isLevelStateVouchedFor() const { return !salvaged && !levelStateSalvaged; }
    };
    const sLoadedCopy& getLoadedCopy() const { return m_loadedCopy; }
    void setLoadedCopy(sLoadedCopy _copy) { m_loadedCopy = std::move(_copy); }
    void forgetLoadedCopies();
    // The level state at _path that goes with them, as the load read it, so that the game reads
    // it no second time; none when it has no such bytes, or they are forgotten.
    const std::string* getLoadedLevelState(const String& _path) const
    {
        return _path == m_loadedLevelState.first && !m_loadedLevelState.second.empty() ? &m_loadedLevelState.second : nullptr;
    }

    // The level state of the farm in memory: "<identifier>.save", or its last copy when the
    // farm is that (held as it is); empty without a player.
    String getLevelStateFile() const;
    // Nothing of this player's farm may be written in this run (her file is held as it is).
    Bool isHeld() const { return m_held; }

    // The player's name as the menus show it.
    WString m_currentUserName;

private:
    // Keeps the entries of a damaged index that still read and whose property file exists.
    void salvageHeaders(const std::string& _bytes);
    // Adds an index entry unless its identifier does not read or is another entry's, or (with
    // _needFile) its property file is gone; a refusal is logged, the files stay untouched.
    Bool addIndexEntry(const WString& _name, const WString& _idText, Bool _needFile);
    // The lowest identifier from the next one on that no profile has and where nothing (a file,
    // a folder) stands under any of its names; _wanted instead, when it is such a one.
    ULong takeFreeIdentifier(ULong _wanted = 0);
    // The variables of the pair of files chosen by cProgressPick; the player is told when
    // they are not the last save as it stood, or when the files of a player the index knew
    // (not _new) are all gone, and first that her last play did not reach the disk (_unsaved).
    void loadVariables(const String& _stem, Bool _new, Bool _unsaved);
    // The name kept in each player's own file decides whose farm it is: an index entry that
    // says otherwise is mended in the index (logged), never in the file.
    void followPlayerFiles();
    // The index follows the owners of the files; what it then misses is adopted.
    void mendIndex(const cPlayerFileOwners& _owners);
    // Puts back in the index every player file it does not name, under the name kept in the
    // file (else its identifier); never a file in doubt.
    void adoptPlayerFiles();
    // Whose farm each player file in the folder is.
    cPlayerFileOwners readOwners() const;
    // What the kept copies' notices changed in the list of them goes into the index.
    void tellKeptCopies();
    // Files in doubt that were never told (kept copies were): logged and told.
    void tellOwners(const cPlayerFileOwners& _owners) const;
    // The index's player is not in it: someone the files know plays instead.
    void resumeSomeone();
    // The player's file holds another player's copy that could not be moved: she plays her own
    // copy, read as it is, and nothing is written in this run (neither the index nor a file of
    // hers), so that neither copy is lost under the other's name.
    Bool holdUnpartedFile();
    void loadHeldCopy(const String& _path);

    Bool m_resuming = false;
    Bool m_held = false;
    // The held farm's files end so: "" for the newest copy, ".bak" for the last.
    String m_heldTail;
    cKeptCopies m_copies;
    cUntoldNotices m_untold;
    // Players left out of the index because their file is another's, by that file.
    std::map<WString, ULong> m_leftOut;

    // Takes the landing of her last save handed to the disk; true when what she has seen of a
    // rebuilt farm is forgotten with it.
    Bool followLandedSaves();

    Bool m_nowPlaying = false;
    // The notices seen on the screen when the index last looked for what it may forget.
    std::size_t m_shownNotices = 0;
    // The last save of her variables handed to the disk, until it lands: the count of saves done
    // before it, and its save stamp.
    struct sHandedSave {
        Bool pending = false;
        UInt doneBefore = 0;
        ULong stamp = 0;
    };
    sHandedSave m_handed;
    // The farm loaded is rebuilt from damaged files and no save of it has landed yet; of them its
    // level state, which only a save of the game writes (one past the stamp it was loaded with).
    Bool m_rebuilt = false;
    Bool m_rebuiltLevelState = false;
    ULong m_rebuiltStamp = 0;
    // This object's play is not on the disk: its last save failed. The index then says so.
    Bool m_playUnsaved = false;
    WString m_recordedUser;
    ULong m_nextID = 1;
    std::map<WString, ULong> m_index;
    Bool m_indexChanged = false;
    // Only an index this object read or made is ever written or removed.
    Bool m_indexOwned = false;
    // The profile whose variables are in memory: they go into its file and no other.
    Bool m_variablesLoaded = false;
    WString m_loadedName;
    sLoadedCopy m_loadedCopy;
    std::pair<String, std::string> m_loadedLevelState;
    ULong m_loadedID = 0;
    // The variables file as last written by this object, and the failed saves counted then.
    WString m_lastWritten;
    UInt m_failedSavesWritten = 0;
};
