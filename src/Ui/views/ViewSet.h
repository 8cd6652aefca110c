#pragma once
#include "Ui/views/NodePool.h"
#include "engine/Types.h"

#include <cstdint>
#include <functional>
#include <iterator>
#include <map>
#include <utility>
#include <vector>

class cView;

// Views in the order they were made, so every run walks them alike. An entry is found by the
// view's creation number and never by looking through the pointer, so a set may keep a view
// that was deleted during a walk until the walk's end without anything touching it.
class cViewSet {
public:
    using tNumber = std::uint64_t;
    using tEntry = std::pair<const tNumber, cView*>;
    using tEntries = std::map<tNumber, cView*, std::less<tNumber>, cNodePool<std::pair<const tNumber, cView*>>>;

    Bool insert(cView* _view);
    Bool erase(const cView* _view);
    Bool eraseNumber(tNumber _number) { return counted(m_views.erase(_number) != 0); }
    Bool contains(const cView* _view) const;
    Bool containsNumber(tNumber _number) const { return m_views.count(_number) != 0; }
    Bool empty() const { return m_views.empty(); }
    size_t size() const { return m_views.size(); }
    void clear()
    {
        m_views.clear();
        ++m_erasures;
    }
    cView* front() const { return m_views.empty() ? nullptr : m_views.begin()->second; }

    // A copy to walk while the views being walked make, delete and move views.
    std::vector<std::pair<tNumber, cView*>> snapshot() const;
    // The same copy into _into, whose room is kept from frame to frame.
    void snapshot(std::vector<std::pair<tNumber, cView*>>& _into) const;
    // Calls _visit on every view of the set as it stands now, in order, without a copy: a
    // view added during the walk is not visited (a new view's number is past every other),
    // nor one removed before its turn.
    template <class F>
    void visit(F _visit) const;
    // The views in order, for tests and for callers that change nothing while they read.
    std::vector<cView*> list() const;
    // Grows with every removal: a walk over a snapshot that sees it unchanged knows every
    // entry of the snapshot is still in the set without looking each one up.
    std::uint64_t getErasures() const { return m_erasures; }

    tEntries::const_iterator begin() const { return m_views.begin(); }
    tEntries::const_iterator end() const { return m_views.end(); }

private:
    Bool counted(Bool _erased)
    {
        m_erasures += _erased ? 1 : 0;
        return _erased;
    }

    tEntries m_views;
    std::uint64_t m_erasures = 0;
};

template <class F>
void cViewSet::visit(F _visit) const
{
    if (m_views.empty())
        return;
    const tNumber last = m_views.rbegin()->first;
    for (auto at = m_views.begin(); at != m_views.end() && at->first <= last;) {
        const tNumber number = at->first;
        const std::uint64_t erasures = m_erasures;
        _visit(at->second);
        // Unless something was removed, the iterator still stands.
        at = erasures == m_erasures ? std::next(at) : m_views.upper_bound(number);
    }
}
