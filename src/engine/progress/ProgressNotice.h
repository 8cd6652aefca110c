#pragma once
#include "engine/Types.h"

class cKeptCopies;
class cProgressPick;

// A folder in the place of the variables or the level state ("<_stem>.xml", "<_stem>.save") is
// moved aside; the player's words for what stood there, empty when nothing did.
WString clearFarmPlaces(const String& _stem);

// What the player is told of the farm a start loaded from _pick: why it is not the last save as
// it stood (the damage, a save that did not finish or failed, a folder in the place of a file,
// files all gone), once, in the words of what happened. _obstacle: the words for a folder that
// stood in the place of a file, empty when none did; _new: nothing of the player was ever saved;
// _unsaved: her last play did not reach the disk, which the same notice says first.
void tellProgress(const cProgressPick& _pick, const WString& _player, const WString& _obstacle, Bool _new,
    cKeptCopies& _copies, Bool _unsaved);
