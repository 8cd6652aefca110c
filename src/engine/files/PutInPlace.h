#pragma once
#include "engine/Types.h"
#include "platform/system/FileSystem.h"

#include <vector>

// One file of a save, written whole and still open under its temporary name.
struct sHeldSave {
    platform::FileHandle handle = platform::INVALID_FILE;
    String temp;
    String path;
};

// What putting the files of one save in place came to.
struct sPutOutcome {
    // The real names that did not take their new copy: every file of the save, or none.
    std::vector<String> failed;
    // The save failed, yet a new copy still stands under its real name: its old copy could not
    // be put back. The stamps it carries are on the disk.
    Bool partlyPlaced = false;
    // What went wrong, for the error log: the disk's part may run beside the game, which logs.
    std::vector<String> log;
};

// Puts the files of one save in place as one: every file is pushed to the disk and closed
// first; then each current file and its last copy get hidden second names, each current file
// becomes "<name>.bak" (the last copies of one save are renamed in together, so they stay one
// pair), and each new file takes its real name by one rename; the folders are synced last. A
// readable file stands under every real name at every moment, and a kill between the renames
// leaves the files not yet renamed beside the last copies of the ones that were. A failed save
// leaves every file and its last copy as it was: the files already renamed go back and so do
// the last copies (a file saved for the first time leaves none). Only when a file cannot go
// back (partlyPlaced) does the save keep the last copies it made, the pair the start then
// finds. Once every file is on the disk, something that is no file standing where a last copy
// or a hidden name goes is moved aside as "<name>.broken" (a hidden name without its dot),
// whether the save then goes through or not; a save whose files did not reach the disk leaves
// it there. Where a last copy's place cannot be cleared, that file is saved without a last copy.
// The temporary files are gone either way.
sPutOutcome putSaveInPlace(std::vector<sHeldSave> _saves);

// Something that is no file (a folder) where a file of a save goes, under its last copy's name
// or a hidden one, is moved aside like a damaged file, so that it stops no save: as
// "<name>.broken", a hidden name losing its dot so that the player can find it. False when it
// stays; either is said in _log.
Bool clearSavePlace(const String& _path, std::vector<String>& _log);

// The steps of a save a test may make fail, as a full disk or a failing device would.
enum eSaveStep { SAVE_STEP_SYNC, SAVE_STEP_LINK, SAVE_STEP_RENAME };
// Whether the step fails for the file at _path (its real name). Besides one set here, the
// environment variable FURROW_SAVE_FAULT="<sync|link|rename>:<file name>" fails that step for
// every file of that name, for a test that runs the whole program; "<file name>@2,4" fails it
// only the second and the fourth time it comes for that file.
using fSaveFault = Bool (*)(eSaveStep _step, const String& _path);
void setSaveFault(fSaveFault _fault);
// Whether the step is to fail for the file (either way above), for a file saved alone, whose
// steps are the sync and the rename.
Bool saveStepFails(eSaveStep _step, const String& _path);
// Why FURROW_SAVE_FAULT cannot be used as it stands (it does not read, or names a step its
// file never takes); empty when it can, or is not set.
String refusedSaveFault();
