#pragma once
#include "input/Control.h"

#include <algorithm>
#include <vector>

// The handlers bound to one control code, each (handler, view) pair held once.
//
// Handlers are called in the order their pairs were first bound. Ordering by the addresses
// of handlers and views would follow where the views happened to be allocated, which
// differs from run to run; the binding order is the same in every run, so a recorded
// session replays identically.
template <class Handler>
class tBindingSet {
public:
    using Record = tHandlerRecord<Handler>;

    void add(Handler _handler, cView* _view)
    {
        if (!contains(_handler, _view))
            m_records.push_back({_handler, _view});
    }
    void remove(Handler _handler, cView* _view)
    {
        const auto found = std::find(m_records.begin(), m_records.end(), Record{_handler, _view});
        if (found != m_records.end())
            m_records.erase(found);
    }
    bool contains(Handler _handler, cView* _view) const
    {
        return std::find(m_records.begin(), m_records.end(), Record{_handler, _view}) != m_records.end();
    }
    void clear() { m_records.clear(); }
    bool empty() const { return m_records.empty(); }
    std::size_t size() const { return m_records.size(); }
    // For walks that must not see changes made by the handlers they call.
    const std::vector<Record>& records() const { return m_records; }

private:
    std::vector<Record> m_records;
};
