#pragma once
#include "engine/Types.h"

#include <string>

// The variable that keeps, in a player's file, whose it is.
extern const char* const PLAYER_NAME_VARIABLE;

// The value of the one variable named _name in a player's file, whole or damaged, found
// without reading the file's other values; empty without one.
WString findSavedValue(const std::string& _bytes, const char* _name);

// The player a player's file names: the value of its PlayerName variable, whole or in a damaged
// file; empty without one. Only that one element is read, never the file's other values; whose
// a file is takes it from a copy that cPlayerCopy finds whole alone.
WString findPlayerName(const std::string& _bytes);
