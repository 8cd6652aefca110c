#pragma once
#include "Ui/views/View.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

using Journal = std::vector<std::string>;

// A view that writes what happens to it into a shared journal, and can be told what to do
// from inside its own per-frame work (once, at its next process).
class cRecordingView : public cView {
public:
    cRecordingView(Journal& _journal, const std::string& _name, cView* _parent = nullptr)
        : cView(_parent), m_journal(_journal), m_name(_name)
    {
    }
    ~cRecordingView() override
    {
        m_journal.push_back(m_name + " deleted");
        if (m_onDelete)
            m_onDelete();
    }

    void process() override
    {
        m_journal.push_back(m_name + " process");
        if (auto once = std::exchange(m_onProcess, nullptr))
            once();
    }
    void absoluteProcess() override
    {
        m_journal.push_back(m_name + " absolute");
        if (m_onAbsolute)
            m_onAbsolute();
    }
    void showed() override
    {
        ++m_showed;
        cView::showed();
    }
    void disabled() override
    {
        ++m_disabled;
        cView::disabled();
    }

    Journal& m_journal;
    std::string m_name;
    int m_showed = 0, m_disabled = 0;
    std::function<void()> m_onProcess;
    std::function<void()> m_onAbsolute;
    std::function<void()> m_onDelete;
};
