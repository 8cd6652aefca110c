#include "Ui/views/DrawSet.h"

#include "Ui/views/View.h"

#include <cmath>

void cDrawSet::insert(cView* _view, Float _deep)
{
    erase(_view);
    // A depth that is not a number has no place in any order; it draws at depth 0.
    if (std::isnan(_deep))
        _deep = 0;
    m_views.emplace(sKey{_deep, _view->getNumber()}, _view);
    m_deeps[_view->getNumber()] = _deep;
}

Bool cDrawSet::erase(const cView* _view)
{
    const auto found = m_deeps.find(_view->getNumber());
    if (found == m_deeps.end())
        return false;
    m_views.erase(sKey{found->second, found->first});
    m_deeps.erase(found);
    ++m_erasures;
    return true;
}

Bool cDrawSet::contains(const cView* _view) const
{
    return m_deeps.count(_view->getNumber()) != 0;
}

void cDrawSet::clear()
{
    m_views.clear();
    m_deeps.clear();
    ++m_erasures;
}

std::vector<std::pair<cDrawSet::sKey, cView*>> cDrawSet::snapshot() const
{
    return std::vector<std::pair<sKey, cView*>>(m_views.begin(), m_views.end());
}

void cDrawSet::snapshot(std::vector<std::pair<sKey, cView*>>& _into) const
{
    _into.assign(m_views.begin(), m_views.end());
}
