#pragma once
#include "engine/files/File.h"
#include "engine/files/PutInPlace.h"
#include "platform/system/FileSystem.h"
#include "engine/Singleton.h"
#include "engine/files/ZipFile.h"

#include <atomic>
#include <functional>
#include <list>
#include <thread>
#include <map>
#include <cstdint>
#include <set>
#include <vector>

// File names without their folder.
using FILE_NAME_LIST = std::list<String>;

// Every file the program reads or writes, by a path relative to the data folder. Three
// sources share one name space: loose files under the data folder, the entries of the
// packages found there, and the player's common folder where everything written goes. A
// loose file beats any package entry, of two packages the later name wins, and a file in the
// common folder beats both. Names ignore letter case, as they did on the Windows file
// system the data was made for; the files keep their own case on the disk.
class cFileManager : public cSingleton<cFileManager> {
public:
    // Builds the index once: later changes on the disk are seen only through create and remove.
    cFileManager(const String& _rootDirectory, const String& _packageExtention);
    ~cFileManager() override;

    // The one file manager; raises "File manager not created." while there is none.
    static cFileManager& get();

    virtual const String& getRootDirectory();
    // For reading; _access is accepted for the callers' sake and not used. The caller owns
    // the file. Raises "File "<name>" not found." for a name that is not in the index.
    virtual iFile* open(const String& _name, const ULong _access = 0);
    // The copy shipped with the game (loose or packed) even where the player's copy hides it;
    // null when the game ships none.
    iFile* openShipped(const String& _name);
    // A new empty file in the common folder under the lower-cased name, open for reading and
    // writing; it takes the place of the old file only when it is closed after every write
    // succeeded. Backslashes count as '/' here.
    virtual iFile* create(const WString& _name);
    virtual iFile* create(const String& _name);
    // Deletes a file of the common folder; a loose file or package entry it hid shows again.
    virtual void remove(const String& _name);
    virtual Bool isExist(const String& _name);
    // Only an exact (lower-case) name of a file in the common folder.
    virtual Bool isCommonExist(const String& _name);
    // Appends the names of the files directly in the common folder's sub-folder _dir
    // (package files and names beginning with '.' left out).
    virtual UInt getFilesNames(const String& _dir, FILE_NAME_LIST& _res);

    // Where a file of the common folder is (or would be) on the disk.
    String getCommonPath(const String& _name) const { return m_common + resolveCommon(_name); }
    // Whether a path given to create, remove or getFilesNames stays inside the common folder:
    // not absolute, no drive, no ".." part (backslashes count as '/').
    static Bool isInside(const String& _name);

    // Gives a file of the common folder the name _to, where nothing stands yet; false when it
    // cannot.
    Bool moveTo(const String& _from, const String& _to);
    // Moves a player's copy that cannot be used aside as "<name>.broken", so the shipped
    // copy shows again and nothing the player had is lost; _why ("is too large", say) goes
    // into the log.
    void moveAside(const String& _name, const String& _why = "cannot be parsed");
    // Saves held together: while held, every file created and written whole waits, open,
    // under its temporary name. commitHeldSaves puts them in place as one (see
    // putSaveInPlace), in the order they were written, each keeping the copy it replaces as
    // "<name>.bak" (one generation back); dropHeldSaves removes them, leaving the disk as it
    // was. Holding twice holds once.
    void holdSaves();
    // Told, in the game's thread, that the save failed; _partlyPlaced as in sPutOutcome.
    using fCommitFailed = std::function<void(Bool _partlyPlaced)>;
    // Without _wait the disk's part runs beside the game (a frame must not wait for the disk)
    // and its outcome is had from takeSaveFailure; the next commit, a read of a player's file
    // through waitForSaves, and the manager's end wait for it. With _wait, false (logged) when
    // the save could not be put in place. _onFailed hears of a failure either way, when it is
    // waited for.
    Bool commitHeldSaves(Bool _wait = true, fCommitFailed _onFailed = nullptr);
    void dropHeldSaves();
    Bool isHoldingSaves() const { return m_holding; }
    // Waits for the saves under way; false when they failed.
    Bool waitForSaves();
    // Whether saves that ran beside the game have failed since the last call; never waits.
    Bool takeSaveFailure();
    // How many held saves have failed in this run, counted as they are waited for or taken.
    UInt getFailedSaveCount() const { return m_failedSaves; }
    // How many held saves have reached the disk in this run, counted as the failed ones are.
    UInt getDoneSaveCount() const { return m_doneSaves; }
    // Puts "<name>.bak" back in the place of _name, in one step: a copy of _name still there
    // is replaced, so move it aside first to keep it; false when there is no such last copy
    // or it cannot be moved.
    Bool restoreLastCopy(const String& _name);
    // Removes the hidden temporary files a killed save left of the files in _dir whose names
    // begin with _prefix, and moves a folder at such a name aside (clearSavePlace); the number
    // of files removed.
    UInt clearStaleTemporaries(const String& _dir, const String& _prefix);

    void toIndexDirectory(const String& _path, const String& _dirTag);
    // The text after the last '.', lower-cased; empty without a '.'. Both return one shared
    // String that the next call overwrites.
    static const String& getFileExt(const String& _file);
    // The text after the last '/', or the whole name.
    static const String& getFileName(const String& _file);
    // Makes every folder of the path before its last '/'; failures are ignored.
    static void createDirectories(const String& _path);
    static void createDirectories(const WString& _path);

private:
    struct sEntry {
        // "" for a loose file, "#common#" for the common folder, else the package's path
        // relative to the data folder.
        String tag;
        // The file's real relative path, or the entry's name in its package.
        String path;
        cZipFile::ZIP_POSITION position = 0;
    };
    using INDEX = std::map<String, sEntry>;

    iFile* openEntry(const sEntry& _entry);
    void build(const String& _rootDirectory, const String& _packageExtention);
    void closeOpenPackages();
    void indexPackage(const String& _package);
    void readCommonDirectory();
    void addFile(const String& _key, const sEntry& _entry);
    String resolveCommon(const String& _name) const;
    void uncover(const String& _key);
    static void onSaveFailed(const String& _path);
    static Bool onSaveWritten(platform::FileHandle _handle, const String& _tempPath, const String& _path);
    // Takes the outcome of the finished disk work: logs it and fixes the index.
    Bool finishWriter();
    static void onPackageDone(const String& _zipDir, cZipFile::ZIP_FILE _package);

    INDEX m_index;
    INDEX m_shadowIndex;
    std::set<String> m_packages;
    String m_root;
    String m_packageExtention;
    String m_common;
    UInt m_saveCount = 0;
    Bool m_holding = false;
    std::vector<sHeldSave> m_held;
    std::thread m_writer;
    std::atomic<bool> m_writerDone{true};
    sPutOutcome m_writerOutcome;
    // The real names of the save under way.
    std::vector<String> m_writerPaths;
    fCommitFailed m_writerFailedHook;
    Bool m_failedUntold = false;
    UInt m_failedSaves = 0;
    UInt m_doneSaves = 0;
    // Packages kept open between reads, by path: each file takes one and gives it back.
    struct sOpenPackages {
        std::int64_t size = -1;
        std::vector<cZipFile::ZIP_FILE> idle;
    };
    std::map<String, sOpenPackages> m_openPackages;
};
