#pragma once
#include "engine/Types.h"

// Every random draw of the game comes from here: a number from 0 to 32767, as the runtime's
// rand() gave. The built-in sequence starts the same way in every run, so a session can be
// replayed; tests put a source of their own in place to script the draws.
using fRandomSource = UInt (*)();

inline constexpr UInt GAME_RAND_MAX = 32767;

UInt gameRand();
// Null puts the built-in sequence back, from its start.
void setRandomSource(fRandomSource _source);
