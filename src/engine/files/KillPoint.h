#pragma once
#include "engine/Types.h"

// Where a kill would leave the disk half way through a change of several files, yet no test
// can time one from outside: the environment variable FURROW_KILL_AT="<point>" ends the
// program at once when it reaches that point, as a kill would (nothing more runs, nothing is
// flushed or saved). The points of parting a copy from a player's file, in order:
// "parting-recorded" (the index says what will move), "copy-moved", "level-state-moved".
void killPoint(const char* _point);

// Why FURROW_KILL_AT cannot be used (it names no point); empty when it can, or is not set.
String refusedKillPoint();
