#pragma once
#include "engine/Singleton.h"
#include "Game/Timeline/GameEvent.h"

#include <deque>

class cContractStatus;

// Keeps the four contract dialogs (offer, goal, hand-over, failure) to one on screen at a
// time. Two panels that reach their hand-over or their deadline in the same frame would
// otherwise open their dialogs over each other and the first offer would be lost: what cannot
// open now waits here and opens, in order, when the dialog in front closes.
class cContractDialogs : public cSingleton<cContractDialogs> {
public:
    enum eDialog : UInt { PASS_CONFIRM, FAIL };

    // Whether any of the four dialogs is open.
    static Bool isAnyOpen();

    // The hand-over offer of _panel, or the news that its contract failed (with the terms it
    // ran on, since the place may take a new contract before the news is read). A panel has
    // at most one offer waiting.
    void request(eDialog _dialog, cContractStatus* _panel);
    // A dialog closed: the first waiting one that still makes sense opens.
    void closed();
    Bool isWaiting(eDialog _dialog, const cContractStatus* _panel) const;
    UInt getWaitingCount() const { return UInt(m_waiting.size()); }

private:
    struct sRequest {
        eDialog dialog;
        cContractStatus* panel;
        sContractEvent terms;
    };
    // False when the request no longer makes sense (an offer for a contract that ended).
    static Bool open(const sRequest& _request);

    std::deque<sRequest> m_waiting;
};
