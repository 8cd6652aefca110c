#pragma once
#include "Ui/UI.h"
#include "Ui/View.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A view that writes what happens to it into a shared journal, and can be told what to do
// from inside its own per-frame work.
class cRecordingView : public cView {
public:
    cRecordingView(std::vector<std::string>& _journal, const std::string& _name, cView* _parent = nullptr)
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
        if (m_onProcess)
            m_onProcess();
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
    void enabled() override
    {
        ++m_enabled;
        cView::enabled();
    }
    void disabled() override
    {
        ++m_disabled;
        cView::disabled();
    }

    std::vector<std::string>& m_journal;
    std::string m_name;
    int m_showed = 0, m_enabled = 0, m_disabled = 0;
    std::function<void()> m_onProcess;
    std::function<void()> m_onAbsolute;
    std::function<void()> m_onDelete;
};

// Every test gets a fresh UI manager and leaves none behind; views it still registers are
// deleted the way the frame driver's end deletes them.
class cUiTest : public ::testing::Test {
protected:
    ~cUiTest() override
    {
        if (m_ui)
            cUI::shutAfterAll();
    }

    // A shown, enabled view that records into the journal.
    cRecordingView* active(const std::string& _name, cView* _parent = nullptr)
    {
        auto* view = new cRecordingView(m_journal, _name, _parent);
        view->show();
        view->enable();
        return view;
    }
    bool isProcessed(const cView* _view) const { return m_ui->getEnabled().contains(_view); }
    bool isAbsolute(const cView* _view) const { return m_ui->getAbsoluteEnabled().contains(_view); }
    bool isFading(const cView* _view) const { return m_ui->getTransparenty().contains(_view); }
    // The frame driver's order: processing, then fades, then deferred deletion.
    void frame(Float _frameTime = 0.1f)
    {
        cUI::processViews();
        cUI::advanceFades(_frameTime);
        cScavenger::free();
    }

    std::unique_ptr<cUI> m_ui = std::make_unique<cUI>();
    std::vector<std::string> m_journal;
};
