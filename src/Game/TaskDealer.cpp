#include "Game/TaskDealer.h"

#include "engine/logs/ErrorStack.h"

cTaskDealer::cTaskDealer() = default;

cTaskDealer::~cTaskDealer() = default;

void cTaskDealer::setTask(cTask* _task)
{
    GUARD_BEGIN
    // A task the dealer holds already (the current one, or the running one dropped meanwhile)
    // is taken back and started again, never freed under the dealer.
    if (_task != m_task.get()) {
        std::unique_ptr<cTask> old(m_task.release());
        if (_task && _task == m_dropped.get())
            m_dropped.release();
        m_task.reset(_task);
        if (old && old.get() == m_running)
            m_dropped = std::move(old);
    }
    if (_task)
        _task->onStart();
    GUARD_END("void cTaskDealer::setTask(cTask * _task)")
}

void cTaskDealer::process()
{
    GUARD_BEGIN
    if (!m_task)
        return;
    // Whatever onProcess does to the dealer, the running task outlives the call.
    struct sRun {
        cTaskDealer& dealer;
        ~sRun()
        {
            dealer.m_running = nullptr;
            dealer.m_dropped.reset();
        }
    } run{*this};
    m_running = m_task.get();
    const Bool finished = m_running->onProcess();
    // A task dropped while it ran was interrupted: it does not end.
    if (!finished || m_dropped)
        return;
    // The finished task is detached, yet its onEnd is still running code of it: it is held like
    // a task dropped while it runs, so an onEnd that hands the dealer this very task again (a
    // repeating state) takes it back, and one that replaces it afterwards cannot free it early.
    m_dropped.reset(m_task.release());
    m_running->onEnd();
    GUARD_END("void cTaskDealer::process()")
}
