#pragma once
#include "engine/Types.h"

#include <string>
#include <vector>

struct sSavedVariable {
    String type;
    String name;
    WString value;
};

// What a player's variables file holds: its variables in file order, and the seal its root
// carries (empty without one).
struct sSavedVariables {
    std::vector<sSavedVariable> variables;
    WString seal;
    // The root carries attributes (an earlier build writes it with none).
    Bool rootAttributes = false;
};

// Reads the bytes (UTF-16) of a player's variables file straight into its variables: a load
// reads every value of it, and no document is built on the way. Raises the parser's error,
// with its line and column, when the bytes do not parse.
sSavedVariables readSavedVariables(const std::string& _bytes);
