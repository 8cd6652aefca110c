#pragma once
#include "engine/frame/SleepingTask.h"
#include "engine/Singleton.h"
#include "engine/Types.h"

#include <cstdint>
#include <map>
#include <memory>

class cUI;
class cView;

// The frame driver: one call of process is one frame (cursor, time, input, views, fades,
// delayed calls, drawing, deferred deletion). It owns the UI manager, so views exist only
// while it does, and two global key bindings: Alt+Enter switches full screen, Print Screen
// takes a screenshot.
class cLogic : public cSingleton<cLogic> {
public:
    using fProcessCallback = void (*)();

    cLogic();
    ~cLogic() override;

    virtual Bool setInactive(Bool _inactive) { return m_inactive = _inactive; }
    virtual Bool isInactive() { return m_inactive; }
    virtual void process();
    // The cursor on the logical screen, as of the start of the last frame drawn.
    virtual const Vector2& getCursor() { return m_cursor; }
    virtual void quit();
    virtual void setProcessCallback(fProcessCallback _callback) { m_callback = _callback; }
    virtual Bool setMinimized(Bool _minimized) { return m_minimized = _minimized; }
    Bool isMinimized() const { return m_minimized; }

    // Takes ownership; the task runs in the first frame its delay has passed, then is deleted.
    void addSleepingTask(cSleepingTask* _task);
    size_t getSleepingTaskCount() const { return m_tasks.size(); }

    void updateSysCursor();
    // Hands a control to the renderer: its mesh unit, or its sprite (and the cross-faded next
    // frame when it renders two).
    static void draw(cView* _control);

    static void onAltDown(cView* _view);
    static void onAltUp(cView* _view);
    static void onEnter(cView* _view);
    static void onPrinScreen(cView* _view);

private:
    void processSleepingTasks();

    fProcessCallback m_callback = nullptr;
    Bool m_inactive = false;
    Bool m_minimized = false;
    Vector2 m_cursor{0, 0};
    std::unique_ptr<cUI> m_ui;
    // Keyed by the order they were added, so tasks due in the same frame run alike every run.
    std::map<std::uint64_t, std::unique_ptr<cSleepingTask>> m_tasks;
    std::uint64_t m_nextTask = 1;
};
