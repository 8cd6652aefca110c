#include "engine/FatalError.h"

#include "engine/LogManager.h"

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
    std::fprintf(stderr, "%s\n", _callStack.c_str());
    try {
        getLog("error")->print(_callStack);
    } catch (const String& _failure) {
        std::fprintf(stderr, "%s\n", _failure.c_str());
    } catch (...) {
        std::fprintf(stderr, "The error log could not be written.\n");
    }
    if (s_messageHandler) {
        try {
            s_messageHandler("Error", _callStack);
        } catch (...) {
        }
    }
}
