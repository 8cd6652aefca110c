#pragma once
#include "Game/Task.h"

#include <memory>

// Runs the one current task of its owner once per frame. A finishing task is taken from the
// dealer before its onEnd, so the successor it hands over there starts at once, while the
// finished task still exists, and the finished task is deleted afterwards.
class cTaskDealer {
public:
    cTaskDealer();
    ~cTaskDealer();
    cTaskDealer(const cTaskDealer&) = delete;
    cTaskDealer& operator=(const cTaskDealer&) = delete;

    // Takes _task over and starts it; the current task is dropped without its onEnd, unless
    // it is _task itself, which only starts again. A task that drops itself from inside its
    // own onProcess lives until that returns.
    void setTask(cTask* _task);
    void process();

    cTask* getTask() const { return m_task.get(); }

private:
    std::unique_ptr<cTask> m_task;
    // The task whose onProcess or onEnd is running, and what was dropped of it meanwhile.
    cTask* m_running = nullptr;
    std::unique_ptr<cTask> m_dropped;
};
