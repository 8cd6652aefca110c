#pragma once
#include "engine/Types.h"

#include <string>
#include <utility>
#include <vector>

// Reads a level-state file's bytes: whether they are whole, and the stamp of the save they
// were written at. The game sets it; without it the level state is not the profile's concern.
using fLevelStateCheck = Bool (*)(const std::string& _bytes, ULong& _stamp);
extern fLevelStateCheck g_levelStateCheck;

// The variable both files of one save carry.
extern const char* const SAVE_STAMP_VARIABLE;

struct sSavedVariable {
    String type;
    String name;
    WString value;
};

// Which copies of a player's progress are used: "<stem>.xml" (the variables) and
// "<stem>.save" (the level state), each with its last copy ".bak" from the save before. The
// newest variables that read are taken with the level state of the same save (the same
// stamp), so a kill between the two files of a save never pairs a new level state with old
// variables. Without such a pair the variables that read come with no level state, and
// where no copy of the variables reads, every variable that still reads in the damaged file
// is kept. What is not used is moved aside (never deleted) and a last copy that is used is
// put back in the place of the file, so the game reads its usual names.
class cProgressPick {
public:
    explicit cProgressPick(const String& _stem);

    // The variables to load, in file order.
    const std::vector<sSavedVariable>& getVariables() const { return m_variables; }
    // Why the farm is not the last save as it stood, for the log; empty when it is.
    const String& getDamage() const { return m_damage; }
    // No copy of the variables read whole: they are what still read of one.
    Bool isSalvaged() const { return m_salvaged; }
    // A level state was there but none goes with the variables: the game starts it afresh.
    Bool isLevelStateLost() const { return m_levelStateLost; }

private:
    struct sCopy {
        String path;
        Bool exists = false;
        Bool whole = false;
        ULong stamp = 0;
        std::string bytes;
        std::vector<sSavedVariable> variables;
    };

    void readVariables(sCopy& _copy);
    void readLevelState(sCopy& _copy);
    // The copies to use: of the variables, of the level state (-1 none).
    std::pair<Int, Int> choose(Bool _levels) const;
    // Of two damaged copies of the variables, the one to salvage.
    UInt salvageCopy() const;
    // Takes copy _v of the variables (-1 none) with copy _l of the level state (-1 none).
    void use(Int _v, Int _l);

    sCopy m_vars[2];
    sCopy m_levels[2];
    std::vector<sSavedVariable> m_variables;
    String m_damage;
    Bool m_salvaged = false;
    Bool m_levelStateLost = false;
};
