#pragma once
#include "engine/Types.h"

#include <string>

// The player a player's file names: the value of its PlayerName variable, whole or in a damaged
// file; empty without one. A profile's load asks it of every file in the folder, so only that
// one element is read, never the file's other values.
WString findPlayerName(const std::string& _bytes);

// The same of the file at _path, looked for at its end first; empty when it cannot be read.
WString readPlayerName(const String& _path);
