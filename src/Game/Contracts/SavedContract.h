#pragma once
#include "engine/Types.h"

struct sContractEvent;

// A running contract on the bar or a letter in the post box, as the profile keeps it between
// games: the event's position in the time-line and, because a newer time-line may have moved
// the event, its time and its number among the contracts due at that time. The profile decides
// which save the values come from; here they are believed as that save's build meant them. A
// save of this build (and the game's own values) finds the event by its time; an earlier
// build's, which did not keep the time up to date, by its position alone. Values salvaged from
// a damaged file bring a contract back only where they all read and agree.
//
// So a contract comes back as the same one or not at all: never one the place no longer holds,
// never one that runs or waits in another place, never on a clock its event could not have. A
// contract that cannot come back is dropped, and the player hears which, in the words of its
// letter.
class cSavedContract {
public:
    enum eKind { RUNNING, LETTER };

    cSavedContract(eKind _kind, UInt _place);

    // The contract the place holds, found in the time-line; null for none (the player is told
    // of one that was lost). What came back is recorded in the place's values.
    sContractEvent* restore();

    // Whether the pay and the counts the places kept are believed: not of values salvaged from
    // a damaged file, where the contract's own record gives them.
    static Bool areTermsKept();

    // The place holds _event from now on.
    void record(const sContractEvent& _event) const;
    // The place holds none.
    void clear() const;

private:
    void tellLost(const sContractEvent* _event) const;
    String label() const;

    eKind m_kind;
    UInt m_place;
};
