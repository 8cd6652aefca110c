#include "Game/Game.h"

// The level-state file (seed packages, the earnings window, journal notes, the time-line's
// random factors) is neither read nor written yet: a player's existing file stays as it is.
void cGame::loadLevelState() {}

void cGame::saveLevelState() {}
