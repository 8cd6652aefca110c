#pragma once
#include "engine/Types.h"
#include "engine/progress/SavedVariables.h"

#include <string>
#include <vector>

// One copy of a player's variables ("<id>.xml", or its last copy "<id>.xml.bak"), judged. This
// is the one place that says whether a copy is whole: it reads, every value converts to its
// type and the game can use it, and its seal holds. A file without a seal was written by an
// earlier build, which writes its root with no attribute at all: a root that carries any, but
// no seal that reads, is damage. Nothing is believed of a copy that is not whole, neither whose
// it is nor the stamps of its save: whoever needs them asks here, and reads no copy alone.
class cPlayerCopy {
public:
    // _full: every value is read. Otherwise a copy whose seal holds is whole by it, and only
    // the values that say whose it is and of which save it is are read of it; a copy without a
    // seal that holds is read in full either way.
    cPlayerCopy(const String& _path, Bool _full);

    const String& getPath() const { return m_path; }
    Bool exists() const { return m_exists; }
    Bool isWhole() const { return m_whole; }
    // Written by this build (or the one before), which seals; read from what still reads of the
    // root when the copy is damaged.
    Bool isSealed() const { return m_sealed; }
    // The value of a whole copy; empty for a copy that is not whole, or without one.
    WString getValue(const char* _name) const;
    // Whose farm the copy is, when whole: empty otherwise.
    WString getPlayerName() const;
    // Whether the end of the file at _path names _player, as the game writes the name last; the
    // file is not judged. Only to spare judging a last copy that could say nothing new beside
    // whole newest variables of that name: one that names another is judged before it is believed.
    static Bool endNames(const String& _path, const WString& _player);

    // A level state, which the variables seal: whether its bytes read whole by the game's check
    // (false without one) with a stamp a save can write, and that stamp.
    static Bool judgeLevelState(const String& _path, std::string& _bytes, ULong& _stamp);

    // Judged whole by its seal alone: its values are had from getValue.
    Bool isWholeBySeal() const { return m_bySeal; }
    // Every value of a copy read in full (what still reads of one that is not whole, for a
    // salvage alone); none of one judged by its seal alone.
    std::vector<sSavedVariable>& getVariables() { return m_variables; }

private:
    void readAll();
    // Whether the value converts to its type and the game can use it; logged when not.
    static Bool isUsable(const sSavedVariable& _variable);

    String m_path;
    std::string m_bytes;
    std::vector<sSavedVariable> m_variables;
    Bool m_exists = false;
    Bool m_whole = false;
    Bool m_sealed = false;
    Bool m_bySeal = false;
};

// The bytes of a file of a save as they are; false when it is missing, too large or cannot be read.
Bool readSaveFileBytes(const String& _path, std::string& _bytes);
