#include "Ui/views/ViewWatch.h"

#include "Ui/views/View.h"

#include <algorithm>

cViewWatch::cViewWatch(cView* _view) : m_view(_view)
{
    attach();
}

cViewWatch::cViewWatch(const cViewWatch& _source) : m_view(_source.m_view)
{
    attach();
}

cViewWatch& cViewWatch::operator=(const cViewWatch& _source)
{
    set(_source.m_view);
    return *this;
}

cViewWatch::~cViewWatch()
{
    detach();
}

void cViewWatch::set(cView* _view)
{
    if (_view == m_view)
        return;
    detach();
    m_view = _view;
    attach();
}

void cViewWatch::attach()
{
    if (m_view)
        m_view->m_watches.push_back(this);
}

void cViewWatch::detach()
{
    if (!m_view)
        return;
    std::vector<cViewWatch*>& watches = m_view->m_watches;
    watches.erase(std::find(watches.begin(), watches.end(), this));
}
