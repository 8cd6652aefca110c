#pragma once
#include "input/Control.h"

#include <vector>

struct sKeyName {
    eControl code;
    const char* name;
};

// The display names of the keys that have one, in ascending code order. The odd entries
// (an empty name for L, "NumPad ." twice) are what players have always seen in the key
// lists, so they stay.
const std::vector<sKeyName>& getKeyNameTable();
