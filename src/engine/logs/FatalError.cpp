#include "engine/logs/FatalError.h"

#include "engine/logs/Log.h"
#include "engine/logs/LogManager.h"

#include <cstdio>

namespace {

fFatalMessage s_messageHandler = nullptr;

} // namespace

void setFatalMessageHandler(fFatalMessage _handler)
{
    s_messageHandler = _handler;
}

void reportFatalError(const String& _callStack)
{
    // A damaged file can put megabytes into one message; nobody reads past the start of it.
    const String stack = cutLinesForLog(_callStack);
    std::fprintf(stderr, "%s\n", stack.c_str());
    try {
        getLog("error")->print(stack);
    } catch (const String& _failure) {
        std::fprintf(stderr, "%s\n", _failure.c_str());
    } catch (...) {
        std::fprintf(stderr, "The error log could not be written.\n");
    }
    if (s_messageHandler) {
        try {
            s_messageHandler("Error", stack);
        } catch (...) {
        }
    }
}
