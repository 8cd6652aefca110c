#include "Ui/views/UI.h"

#include "Ui/views/View.h"
#include "engine/logs/ErrorStack.h"

cUI& cUI::get()
{
    if (cUI* ui = find())
        return *ui;
    throw "No UI manager.";
}

cScavenger& cUI::getScavenger()
{
    return get().m_scavenger;
}

cViewSet::tNumber cUI::takeViewNumber()
{
    return get().m_nextNumber++;
}

void cUI::lock()
{
    get().m_locked = true;
}

Bool cUI::isLocked()
{
    cUI* ui = find();
    return ui && ui->m_locked;
}

// While locked a view is in at most one pending set, so the last request of a walk decides.
// Unlocked requests apply at once and cancel a request still pending from a walk whose set
// was not flushed yet (the lock is shared, so one set's pending changes can outlive a walk of
// the other): otherwise a later flush would undo them, or bring back a deleted view.
void cUI::sProcessSet::add(cView* _view, Bool _locked)
{
    if (!_locked) {
        m_pendingRemove.erase(_view);
        m_views.insert(_view);
        return;
    }
    m_pendingRemove.erase(_view);
    m_pendingAdd.insert(_view);
}

void cUI::sProcessSet::remove(cView* _view, Bool _locked)
{
    if (!_locked) {
        m_pendingAdd.erase(_view);
        m_views.erase(_view);
        return;
    }
    m_pendingAdd.erase(_view);
    m_pendingRemove.insert(_view);
}

void cUI::sProcessSet::flush()
{
    for (const auto& entry : m_pendingAdd)
        m_views.insert(entry.second);
    // By number: a view deleted during the walk waits here without being looked at.
    for (const auto& entry : m_pendingRemove)
        m_views.eraseNumber(entry.first);
    m_pendingAdd.clear();
    m_pendingRemove.clear();
}

void cUI::sProcessSet::forget(const cView* _view)
{
    m_views.erase(_view);
    m_pendingAdd.erase(_view);
    m_pendingRemove.erase(_view);
}

void cUI::sProcessSet::walk(void (cView::*_operation)())
{
    // Locked, so the set itself does not change; the snapshot also survives a view that
    // flushes or shuts everything down from inside its own processing.
    const std::uint64_t erasures = m_views.getErasures();
    // Taken, not shared: a walk started from inside this one makes a copy of its own.
    std::vector<std::pair<cViewSet::tNumber, cView*>> walked = std::move(m_walked);
    m_views.snapshot(walked);
    for (const auto& entry : walked) {
        if (m_pendingRemove.containsNumber(entry.first) ||
            (m_views.getErasures() != erasures && !m_views.containsNumber(entry.first)))
            continue;
        (entry.second->*_operation)();
    }
    m_walked = std::move(walked);
}

void cUI::addEnabled(cView* _view)
{
    cUI& ui = get();
    ui.m_enabled.add(_view, ui.m_locked);
}

void cUI::removeEnabled(cView* _view)
{
    if (cUI* ui = find())
        ui->m_enabled.remove(_view, ui->m_locked);
}

void cUI::addAbsoluteEnabled(cView* _view)
{
    cUI& ui = get();
    ui.m_absolute.add(_view, ui.m_locked);
}

void cUI::removeAbsoluteEnabled(cView* _view)
{
    if (cUI* ui = find())
        ui->m_absolute.remove(_view, ui->m_locked);
}

void cUI::flushEnabled()
{
    cUI& ui = get();
    ui.m_enabled.flush();
    ui.m_locked = false;
}

void cUI::flushAbsoluteEnabled()
{
    cUI& ui = get();
    ui.m_absolute.flush();
    ui.m_locked = false;
}

void cUI::addFading(cView* _view)
{
    get().m_fading.insert(_view);
}

void cUI::removeFading(cView* _view)
{
    if (cUI* ui = find())
        ui->m_fading.erase(_view);
}

void cUI::forget(cView* _view)
{
    cUI* ui = find();
    if (!ui)
        return;
    ui->m_enabled.forget(_view);
    ui->m_absolute.forget(_view);
    ui->m_fading.erase(_view);
    ui->m_drawn.erase(_view);
    ui->m_scavenger.remove(_view);
}

void cUI::addDrawn(cView* _control, Float _deep)
{
    get().m_drawn.insert(_control, _deep);
}

void cUI::removeDrawn(cView* _control)
{
    if (cUI* ui = find())
        ui->m_drawn.erase(_control);
}

Bool cUI::isDrawn(const cView* _control)
{
    const cUI* ui = find();
    return ui && ui->m_drawn.contains(_control);
}

void cUI::drawControls(fDraw _draw)
{
    cUI& ui = get();
    cDrawSet& drawn = ui.m_drawn;
    std::vector<cView*> hidden;
    const std::uint64_t erasures = drawn.getErasures();
    // Taken, not shared: a draw pass started from inside this one makes a copy of its own.
    std::vector<std::pair<cDrawSet::sKey, cView*>> copy = std::move(ui.m_drawnCopy);
    drawn.snapshot(copy);
    for (const auto& entry : copy) {
        if (drawn.getErasures() != erasures && !drawn.containsKey(entry.first))
            continue;
        if (entry.second->isVisible())
            _draw(entry.second);
        else
            hidden.push_back(entry.second);
    }
    for (cView* control : hidden)
        drawn.erase(control);
    ui.m_drawnCopy = std::move(copy);
}

void cUI::processViews()
{
    cUI& ui = get();
    if (!ui.m_fading.empty())
        return;
    try {
        lock();
        ui.m_absolute.walk(&cView::absoluteProcess);
        flushAbsoluteEnabled();
        lock();
        ui.m_enabled.walk(&cView::process);
        flushEnabled();
    } catch (...) {
        // A failed walk still applies what it deferred: no pending set outlives a walk, so
        // none ever holds a view deleted during one.
        ui.m_absolute.flush();
        ui.m_enabled.flush();
        ui.m_locked = false;
        throw;
    }
}

void cUI::advanceFades(Float _frameTime)
{
    cUI& ui = get();
    std::vector<cViewSet::tNumber> ended;
    GUARD_BEGIN
    for (const auto& entry : ui.m_fading.snapshot()) {
        if (!ui.m_fading.containsNumber(entry.first))
            continue;
        entry.second->changeTransparency(_frameTime);
        if (ui.m_fading.containsNumber(entry.first) && entry.second->getFadeState() == cView::FADE_NONE)
            ended.push_back(entry.first);
    }
    GUARD_END("for (UI::VIEW_SET::iterator it = UI::getTransparenty().begin(); it != UI::getTransparenty().end(); ++it)")
    GUARD_BEGIN
    for (cViewSet::tNumber number : ended)
        ui.m_fading.eraseNumber(number);
    GUARD_END("for (VIEW_LIST::iterator it = views.begin(); it != views.end(); ++it)")
}

void cUI::discardAll(const VIEW_SET& _views, const char* _where)
{
    for (cView* view : _views.list())
        discard(view, _where);
}

void cUI::shutAfterAll()
{
    GUARD_BEGIN
    cUI& ui = get();
    ui.discardAll(ui.m_enabled.m_views, ".\\Ui\\UI268");
    ui.discardAll(ui.m_absolute.m_views, ".\\Ui\\UI274");
    ui.discardAll(ui.m_fading, ".\\Ui\\UI280");
    ui.discardAll(ui.m_enabled.m_pendingAdd, ".\\Ui\\UI287");
    ui.discardAll(ui.m_enabled.m_pendingRemove, ".\\Ui\\UI293");
    ui.discardAll(ui.m_absolute.m_pendingAdd, ".\\Ui\\UI299");
    ui.discardAll(ui.m_absolute.m_pendingRemove, ".\\Ui\\UI305");
    cScavenger::free();
    for (sProcessSet* set : {&ui.m_enabled, &ui.m_absolute}) {
        set->m_views.clear();
        set->m_pendingAdd.clear();
        set->m_pendingRemove.clear();
    }
    ui.m_fading.clear();
    ui.m_locked = false;
    GUARD_END("void cUI::shutAfterAll()")
}

namespace UI {

const cUI::VIEW_SET& getTransparenty()
{
    return cUI::get().getTransparenty();
}

} // namespace UI
