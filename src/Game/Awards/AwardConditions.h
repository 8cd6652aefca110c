#pragma once
#include "engine/Types.h"

class iAwardQuery;

// Whether award _index (0..20) is earned by the game as it stands: its counters in the game
// variables and what _game answers. Any other index is never earned.
Bool isAwardEarned(UInt _index, const iAwardQuery& _game);
