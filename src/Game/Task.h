#pragma once
#include "engine/Types.h"

// One behaviour of a farm object (a growth state of a field, a job of the worker). A task
// decides by itself when it is done (onProcess returns true) and, in onEnd, which task comes
// next; its dealer does the rest.
class cTask {
public:
    // The owner and the word are kept for the subclasses; the base never reads them.
    explicit cTask(void* _owner = nullptr, UInt _word = 0) : m_owner(_owner), m_word(_word) {}
    virtual ~cTask() = default;
    cTask(const cTask&) = delete;
    cTask& operator=(const cTask&) = delete;

    virtual void onStart() {}
    // True when the task is finished; a task that does not say otherwise ends at once.
    virtual Bool onProcess() { return true; }
    virtual void onEnd() {}

    void* getOwner() const { return m_owner; }
    UInt getWord() const { return m_word; }

private:
    void* m_owner;
    UInt m_word;
};
