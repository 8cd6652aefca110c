#pragma once
#include "engine/Types.h"
#include "Ui/views/ViewSet.h"

#include <map>
#include <utility>
#include <vector>

// Deferred deletion. A discarded view lives on, drawn and processed, until the end of the
// frame; then it is taken from its parent and deleted, when no walk over any set is running.
class cScavenger {
public:
    // Deletes every view discarded so far. Views discarded by those deletions wait for the
    // next call. Does nothing while no UI manager exists.
    static void free();

    void add(cView* _view, String _where);
    void remove(const cView* _view);
    void freeAll();
    Bool isWaiting(const cView* _view) const;
    size_t getWaitingCount() const { return m_discarded.size(); }

private:
    struct sDiscarded {
        cView* view;
        String where;
    };
    using tViews = std::vector<std::pair<cViewSet::tNumber, cView*>>;

    std::map<cViewSet::tNumber, sDiscarded, std::less<cViewSet::tNumber>,
             cNodePool<std::pair<const cViewSet::tNumber, sDiscarded>>>
        m_discarded;
    // The deletion's lists, their room kept from frame to frame.
    tViews m_queued;
    tViews m_detached;
};

// Queues _view for deletion after the frame; _where says who asked, for the error report.
// A view discarded twice is deleted once; a null view throws "discard".
void discard(cView* _view, String _where);
