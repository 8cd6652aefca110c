#include "engine/logs/LogManager.h"

#include <cstdio>

cLog* cLogManager::getLog(const String& _name, Bool _openNew)
{
    auto found = m_logs.find(_name);
    if (found != m_logs.end())
        return found->second.get();
    auto log = std::make_unique<cLog>(_name, _openNew);
    cLog* result = log.get();
    m_logs.emplace(_name, std::move(log));
    return result;
}

cLog* getLog(const String& _name, Bool _openNew)
{
    // Built on first use rather than at an unknown point of static initialisation, and
    // kept until the process ends.
    static cLogManager s_logManager;
    return s_logManager.getLog(_name, _openNew);
}

void logError(const String& _message) noexcept
{
    try {
        getLog("error")->print(_message);
        return;
    } catch (...) {
    }
    std::fprintf(stderr, "%s\n", _message.c_str());
}
