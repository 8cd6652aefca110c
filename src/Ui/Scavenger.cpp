#include "Ui/Scavenger.h"

#include "Ui/UI.h"
#include "Ui/View.h"
#include "engine/ErrorStack.h"

#include <vector>

void discard(cView* _view, const String& _where)
{
    GUARD_BEGIN
    if (!_view)
        throw "discard";
    cUI::getScavenger().add(_view, _where);
    GUARD_END("void discard(_Inherited *instance)")
}

void cScavenger::free()
{
    GUARD_BEGIN
    if (cUI::exists())
        cUI::getScavenger().freeAll();
    GUARD_END("cScavenger::free()")
}

void cScavenger::add(cView* _view, const String& _where)
{
    m_discarded[_view->getNumber()] = sDiscarded{_view, _where};
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
    // again whether its view is still waiting.
    std::vector<std::pair<cViewSet::tNumber, cView*>> queued;
    for (const auto& entry : m_discarded)
        queued.emplace_back(entry.first, entry.second.view);
    std::vector<std::pair<cViewSet::tNumber, cView*>> detached;
    for (const auto& entry : queued) {
        if (!m_discarded.count(entry.first))
            continue;
        entry.second->setParent(nullptr);
        detached.push_back(entry);
    }
    for (const auto& entry : detached) {
        const auto found = m_discarded.find(entry.first);
        if (found == m_discarded.end())
            continue;
        // Its memory goes even when its destructor fails, so it leaves the queue first.
        const String where = found->second.where;
        m_discarded.erase(found);
        try {
            delete entry.second;
        } catch (...) {
            rethrowWithSignature(where.c_str());
        }
    }
}
