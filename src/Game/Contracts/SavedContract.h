#pragma once
#include "engine/Types.h"

struct sContractEvent;

// A running contract on the bar or a letter in the post box, as the profile keeps it between
// games: the event's position in the time-line and, because a newer time-line may have moved
// the event, its time and its number among the contracts due at that time. So a contract comes
// back as the same one or not at all. A profile of an earlier build keeps the position only,
// which is taken where it still names a contract.
class cSavedContract {
public:
    enum eKind { RUNNING, LETTER };

    cSavedContract(eKind _kind, UInt _place);

    // The contract the place holds, found in the time-line; null for none. A place whose values
    // do not read, or whose bare position names no contract, is taken whole from the last copy
    // of the player's file where that holds a contract of the time-line; otherwise the place is
    // emptied and the player is told which contract was lost.
    sContractEvent* restore();
    // The contract restore gave came from the last copy: the player hears which, in _terms'
    // words (a running contract's own terms, as it was accepted).
    Bool isFromLastCopy() const { return m_fromLastCopy; }
    void tellRestored(const sContractEvent& _terms) const;

    // The place holds _event from now on.
    void record(const sContractEvent& _event) const;
    // The place holds none.
    void clear() const;

private:
    struct sSaved;

    sSaved judge(Bool _lastCopy) const;
    sContractEvent* find(const sSaved& _saved) const;
    void takeLastCopy() const;
    void tellLost(const sSaved& _saved) const;
    String label() const;

    eKind m_kind;
    UInt m_place;
    Bool m_fromLastCopy = false;
};
