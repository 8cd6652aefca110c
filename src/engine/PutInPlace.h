#pragma once
#include "engine/Types.h"
#include "platform/FileSystem.h"

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
// first, and only when all of them made it does each keep its current copy as "<name>.bak"
// (a second name of the same file, so a readable copy always stands under the real name)
// and take the real name by one rename; the folders are synced last. A failure before the
// first rename leaves every file as it was; a failure of a later rename puts the files
// already renamed back to their old copies, so a failure never leaves two saves mixed. The
// temporary files are gone either way.
sPutOutcome putSaveInPlace(std::vector<sHeldSave> _saves);

// The steps of a save a test may make fail, as a full disk or a failing device would.
enum eSaveStep { SAVE_STEP_SYNC, SAVE_STEP_LINK, SAVE_STEP_RENAME };
// Whether the step fails for the file at _path (its real name). Besides one set here, the
// environment variable FURROW_SAVE_FAULT="<sync|link|rename>:<file name>" fails that step for
// every file of that name, for a test that runs the whole program; "<file name>@2,4" fails it
// only the second and the fourth time it comes for that file.
using fSaveFault = Bool (*)(eSaveStep _step, const String& _path);
void setSaveFault(fSaveFault _fault);
