#pragma once
#include "engine/Types.h"
#include "engine/progress/SavedVariables.h"


#include <string>
#include <tuple>
#include <utility>
#include <vector>

// Reads a level-state file's bytes: whether they are whole, and the stamp of the save they
// were written at. The game sets it; without it the level state is not the profile's concern.
using fLevelStateCheck = Bool (*)(const std::string& _bytes, ULong& _stamp);
extern fLevelStateCheck g_levelStateCheck;

// The variables' own stamp: the number of the game save they were last written at.
extern const char* const SAVE_STAMP_VARIABLE;
// The stamp of the level state the variables go with, 0 for none: variables written while
// the game's level state is on no disk (its save failed) claim none. Files from before it
// have only their own stamp, which then stood for both.
extern const char* const LEVEL_STATE_STAMP_VARIABLE;
// The check of the level state the variables go with, "<stamp>:<seal over its bytes>", kept
// among the sealed values: a level state that does not agree with it makes the save not whole.
// One that names another stamp was left by this build in a file an earlier build wrote since,
// which does not keep it up to date: it is not used.
extern const char* const LEVEL_STATE_SEAL_VARIABLE;

// Which copies of a player's progress are used: "<stem>.xml" (the variables) and
// "<stem>.save" (the level state), each with its last copy ".bak" from the save before. A save
// is the variables with the level state they name and seal, whole or not used: the newest
// copy of the variables that cPlayerCopy finds whole is taken with its level state; where that
// level state is not there whole, the save before is taken, when it is whole itself, and else
// the variables with what of their level state still reads. Values of two copies are never
// combined, so a kill between the two files of a save never pairs a new level state with old
// variables. Where no copy of the variables is whole, every variable that still reads in the
// damaged file is kept, and that file stays in its place until a save has taken what was read
// of it: a kill before then finds it again. Anything else not used is moved aside, the level
// state first, and a last copy that is used is put back in the place of the file, so the game
// reads its usual names. The one file let go is the level state of a save that did not finish:
// its variables never reached the disk, and its last copy takes its place.
class cProgressPick {
public:
    explicit cProgressPick(const String& _stem);
    // Puts the copies chosen in place: until then nothing on the disk has changed, so that what
    // the player is to hear of them can be kept first.
    void place();

    // The variables to load, in file order.
    const std::vector<sSavedVariable>& getVariables() const { return m_variables; }
    // The same, given away: getVariables() is empty after.
    std::vector<sSavedVariable> takeVariables() { return std::move(m_variables); }
    // The bytes of the level state taken, as they were read, given away; empty when none is.
    std::string takeLevelState();
    // Why the farm is not the last save as it stood, for the log; empty when it is.
    const String& getDamage() const { return m_damage; }
    // No copy of the variables read whole: they are what still read of one.
    Bool isSalvaged() const { return m_salvaged; }
    // Of those, nothing read at all: the farm starts afresh.
    Bool isNothingSalvaged() const { return m_salvaged && m_salvagedCount == 0; }
    // The variables are whole, their level state is not, and no whole save stands before them:
    // the level state is used as it reads.
    Bool isLevelStateSalvaged() const { return m_levelStateSalvaged; }
    // A level state was there, or the variables seal one, but none goes with them: the game
    // starts it afresh.
    Bool isLevelStateLost() const { return m_levelStateLost; }
    // The level state not used was not damaged: no file of it was there.
    Bool isLevelStateMissing() const { return m_levelStateMissing; }
    // The variables are the save before because the newest are missing, not damaged.
    Bool isVariablesMissing() const { return m_variablesMissing; }
    // The variables are the save before the newest, which is not whole.
    Bool isSaveBefore() const { return m_saveBefore; }
    // Of those, the variables whole and naming no level state: the last save of the level
    // state failed, nothing was damaged.
    Bool isLevelStateUnsaved() const { return m_levelStateUnsaved; }
    // The last save did not finish: its level state reached the disk, its variables did not.
    // The farm is the save before, with that save's level state; the newer one is let go.
    Bool isInterrupted() const { return m_interrupted; }
    // Of salvaged variables, the player's words for the values the game cannot use: they start
    // from the game's default.
    const std::vector<WString>& getLost() const { return m_lost; }
    // The save stamp of the variables to load; 0 when they keep none that reads.
    ULong getSaveStamp() const;
    // The variables were written by this build, which seals them; without a seal they are an
    // earlier build's, which did not keep every value up to date.
    Bool isSealed() const { return m_sealed; }
    // No copy of the variables is there: the farm starts afresh, whatever level state stands.
    Bool hasNoVariables() const { return !m_vars[0].exists && !m_vars[1].exists; }

    // The level-state stamp of variables that name none.
    static constexpr ULong NO_LEVEL_STATE = 0xFFFFFFFFu;
    // The highest stamp a save takes: one read above it is damage, and the count stops there
    // rather than reach the stamp that names none (or wrap to 0, which names none in a file).
    static constexpr ULong TOP_STAMP = NO_LEVEL_STATE - 1;
    static ULong nextStamp(ULong _stamp) { return _stamp < TOP_STAMP ? _stamp + 1 : TOP_STAMP; }
    // Whether a save can have written the stamp; the text of one that reads as such.
    static Bool isStamp(ULong _stamp) { return _stamp <= TOP_STAMP; }
    static Bool readStamp(const WString& _text, ULong& _stamp);

    // The copies chosen of what is on the disk: of the variables (-1 none) and of the level
    // state (-1 none). A copy is described by whether it is there, reads whole and its stamp
    // (for the variables, the level state's stamp they name, or NO_LEVEL_STATE), and the seal:
    // of a level state, over its bytes; of the variables, the one they keep for their level
    // state (empty: they keep none, as an earlier build's).
    struct sState {
        Bool exists = false;
        Bool whole = false;
        ULong stamp = 0;
        WString seal;
    };
    // Whether the level state is the one the variables name and seal: the one judge of a pair.
    // Without _bySeal, the one they name (what still reads of a save not whole).
    static Bool pairs(const sState& _vars, const sState& _level, Bool _bySeal = true);
    // Whether the level state is of the save after the variables': what a kill between the two
    // files of a save leaves, the level state in place and its variables not.
    static Bool isAhead(const sState& _vars, const sState& _level);
    // _salvaged: the level state's stamp named by what still reads of the damaged variables, when none reads whole.
    static std::pair<Int, Int> choose(const sState (&_vars)[2], const sState (&_levels)[2], Bool _pairLevels,
        ULong _salvaged);

private:
    struct sCopy : sState {
        String path;
        std::vector<sSavedVariable> variables;
        Bool sealed = false;
        // Judged by its seal alone: only the values that say whose it is and of which save were read.
        Bool partly = false;
        // Of a level state, as read.
        std::string bytes;
    };

    // The copy as cPlayerCopy judges it; _full: every value read.
    void readVariables(sCopy& _copy, Bool _full);
    void readLevelState(sCopy& _copy);
    // What of the salvaged variables the game cannot use, for the player.
    void listLost();
    // What still reads of the damaged variables names a level state they went with.
    static Bool namesLevelState(const sCopy& _salvaged);
    // The stamp the next save takes must name no file on the disk; it is that of the copy used
    // (_v, or what still reads of _salvaged), mended by the whole files alone.
    void mendSaveStamp(Int _v, UInt _salvaged);
    // Of two damaged copies of the variables, the one to salvage.
    UInt salvageCopy() const;
    // Takes copy _v of the variables (-1 none: what still reads of copy _salvaged) with copy _l
    // of the level state (-1 none).
    void use(Int _v, Int _l, UInt _salvaged);
    // Moves aside what is not used and puts back the last copies that are: the level state first.
    void placeFiles(Int _v, Int _l, UInt _salvaged);

    // The copies chosen: of the variables, of the level state, and the copy salvaged.
    std::tuple<Int, Int, UInt> m_chosen{-1, -1, 0};

    sCopy m_vars[2];
    sCopy m_levels[2];
    std::vector<sSavedVariable> m_variables;
    String m_damage;
    Bool m_salvaged = false;
    // How many variables still read of the copy salvaged.
    std::size_t m_salvagedCount = 0;
    Bool m_levelStateSalvaged = false;
    Bool m_levelStateLost = false;
    Bool m_levelStateMissing = false;
    Bool m_variablesMissing = false;
    Bool m_saveBefore = false;
    Bool m_levelStateUnsaved = false;
    Bool m_interrupted = false;
    Bool m_sealed = false;
    std::vector<WString> m_lost;
};

// Whether the game can use a saved value as it is; the game sets it, and refuses only what it
// would cost the player to lose to a default (money, a clock set back): a copy holding such a
// value is not whole, and _what names it to the player ("the money", in the string table's
// language) when no copy is. Without it every value that converts is used.
using fSavedValueCheck = Bool (*)(const sSavedVariable& _variable, WString& _what);
extern fSavedValueCheck g_savedValueCheck;
// Of the variables salvaged from a damaged copy, the player's words for what the game starts
// from its default: a value that check refuses, or that the copy lacks (a file cut short before
// it), unless the game has it from other values that read. Without it nothing is named.
using fLostValues = std::vector<WString> (*)(const std::vector<sSavedVariable>& _salvaged);
extern fLostValues g_lostValues;
