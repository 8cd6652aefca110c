#include "Ui/views/Scavenger.h"

#include "Ui/views/UI.h"
#include "Ui/views/View.h"
#include "engine/logs/ErrorStack.h"

#include <vector>

void discard(cView* _view, String _where)
{
    GUARD_BEGIN
    if (!_view)
        throw "discard";
    cUI::getScavenger().add(_view, std::move(_where));
    GUARD_END("void discard(_Inherited *instance)")
}

void cScavenger::free()
{
    GUARD_BEGIN
    if (cUI::exists())
        cUI::getScavenger().freeAll();
    GUARD_END("cScavenger::free()")
}

void cScavenger::add(cView* _view, String _where)
{
    m_discarded[_view->getNumber()] = sDiscarded{_view, std::move(_where)};
}

void cScavenger::remove(const cView* _view)
{
    m_discarded.erase(_view->getNumber());
}

Bool cScavenger::isWaiting(const cView* _view) const
{
    return m_discarded.count(_view->getNumber()) != 0;
}

void cScavenger::freeAll()
{
    // Detach every waiting view first, so deleting one never deletes another through a
    // parent's children. Detaching and deleting may make or delete views, so each step looks
    // again whether its view is still waiting. The lists are taken, not shared: a deletion
    // that frees views itself makes lists of its own.
    tViews queued = std::move(m_queued);
    tViews detached = std::move(m_detached);
    queued.clear();
    detached.clear();
    for (const auto& entry : m_discarded)
        queued.emplace_back(entry.first, entry.second.view);
    for (const auto& entry : queued) {
        if (!m_discarded.count(entry.first))
            continue;
        // Deleted next: it is neither shown nor hidden on its way out.
        entry.second->leaveParent();
        detached.push_back(entry);
    }
    for (const auto& entry : detached) {
        const auto found = m_discarded.find(entry.first);
        if (found == m_discarded.end())
            continue;
        // Its memory goes even when its destructor fails, so it leaves the queue first.
        const String where = std::move(found->second.where);
        m_discarded.erase(found);
        try {
            delete entry.second;
        } catch (...) {
            rethrowWithSignature(where.c_str());
        }
    }
    m_queued = std::move(queued);
    m_detached = std::move(detached);
}
