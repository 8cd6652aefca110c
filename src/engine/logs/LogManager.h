#pragma once
#include "engine/logs/ErrorStack.h"
#include "engine/logs/Log.h"
#include "engine/Singleton.h"

#include <map>
#include <memory>

// Lives for the whole process, before the engine is built and after it is gone, so the
// fatal report can always write the "error" log.
class cLogManager : public cSingleton<cLogManager> {
public:
    // The log of that name, created on the first call; later calls ignore _openNew.
    cLog* getLog(const String& _name, Bool _openNew = false);

private:
    std::map<String, std::unique_ptr<cLog>> m_logs;
};

// The log named _name of the process-wide log manager.
cLog* getLog(const String& _name, Bool _openNew = false);

// Writes _message to the "error" log for code that must not fail while reporting: destructors,
// and paths that recover from the failure they report. A log that cannot be written is
// passed over (the message goes to stderr instead).
void logError(const String& _message) noexcept;

// Runs _step where a failure must not pass on (destructors, taking the game down): it is
// logged as a guarded operation named _signature would report it, and the caller goes on.
template <class F> void runOrLog(const char* _signature, F _step) noexcept
{
    try {
        try {
            _step();
        } catch (...) {
            rethrowWithSignature(_signature);
        }
    } catch (const String& _stack) {
        logError(_stack);
    } catch (...) {
        logError(_signature);
    }
}
