#pragma once
#include "Ui/views/ViewSet.h"

// Drawn views by depth, a greater depth later (on top); equal depths in creation order. Like
// cViewSet it finds entries by the depth it was given and the creation number, never through
// the pointer. Controls are what enter it: a view enters with its depth when it becomes
// visible and leaves when hidden or deleted; a depth change is a removal and a new entry.
class cDrawSet {
public:
    struct sKey {
        Float deep;
        cViewSet::tNumber number;
        bool operator<(const sKey& _other) const
        {
            return deep != _other.deep ? deep < _other.deep : number < _other.number;
        }
    };

    void insert(cView* _view, Float _deep);
    Bool erase(const cView* _view);
    Bool contains(const cView* _view) const;
    Bool containsKey(const sKey& _key) const { return m_views.count(_key) != 0; }
    Bool empty() const { return m_views.empty(); }
    size_t size() const { return m_views.size(); }
    void clear();
    std::vector<std::pair<sKey, cView*>> snapshot() const;
    // The same copy into _into, whose room is kept from frame to frame.
    void snapshot(std::vector<std::pair<sKey, cView*>>& _into) const;
    // Grows with every removal, as cViewSet's does.
    std::uint64_t getErasures() const { return m_erasures; }

private:
    std::map<sKey, cView*, std::less<sKey>, cNodePool<std::pair<const sKey, cView*>>> m_views;
    std::map<cViewSet::tNumber, Float, std::less<cViewSet::tNumber>, cNodePool<std::pair<const cViewSet::tNumber, Float>>>
        m_deeps;
    std::uint64_t m_erasures = 0;
};
