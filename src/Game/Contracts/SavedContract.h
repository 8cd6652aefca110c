#pragma once
#include "engine/Types.h"

struct sContractEvent;

// A running contract on the bar or a letter in the post box, as the profile keeps it between
// games: the event's position in the time-line and, because a newer time-line may have moved
// the event, its time and its number among the contracts due at that time; a seal over all the
// place's values says that one save of this build wrote them together. A profile of an earlier
// build (or one an earlier build wrote since, keeping values it does not know) has no seal that
// holds: its position decides, and what only this build writes is believed only where it agrees.
//
// So a contract comes back as the same one or not at all: never one the place no longer holds,
// never one that runs or waits in another place, never on a clock or terms its event could not
// have. A value that is damaged is taken from the last copy of the player's file only where
// that copy holds the same event; a contract that cannot come back is dropped, and the player
// hears which, in the words of its letter.
class cSavedContract {
public:
    enum eKind { RUNNING, LETTER };

    cSavedContract(eKind _kind, UInt _place);

    // The contract the place holds, found in the time-line; null for none (the player is told
    // of one that was lost). What came back is recorded in the place's values.
    sContractEvent* restore();
    // Some of what restore gave came from the last copy: the player hears which contract, in
    // _terms' words (a running contract's own terms, as it was accepted).
    Bool isFromLastCopy() const { return m_fromLastCopy; }
    void tellRestored(const sContractEvent& _terms) const;

    // The place holds _event from now on.
    void record(const sContractEvent& _event) const;
    // The place holds none.
    void clear() const;

    // Seals every place's values as they stand, for the save about to write them.
    static void sealPlaces();

private:
    void tellLost(const sContractEvent* _event, Int _bonus) const;
    String label() const;

    eKind m_kind;
    UInt m_place;
    Bool m_fromLastCopy = false;
};
