#include "Ui/views/ViewSet.h"

#include "Ui/views/View.h"

Bool cViewSet::insert(cView* _view)
{
    return m_views.emplace(_view->getNumber(), _view).second;
}

Bool cViewSet::erase(const cView* _view)
{
    return counted(m_views.erase(_view->getNumber()) != 0);
}

Bool cViewSet::contains(const cView* _view) const
{
    return m_views.count(_view->getNumber()) != 0;
}

std::vector<std::pair<cViewSet::tNumber, cView*>> cViewSet::snapshot() const
{
    return std::vector<std::pair<tNumber, cView*>>(m_views.begin(), m_views.end());
}

void cViewSet::snapshot(std::vector<std::pair<tNumber, cView*>>& _into) const
{
    _into.assign(m_views.begin(), m_views.end());
}

std::vector<cView*> cViewSet::list() const
{
    std::vector<cView*> views;
    views.reserve(m_views.size());
    for (const tEntry& entry : m_views)
        views.push_back(entry.second);
    return views;
}
