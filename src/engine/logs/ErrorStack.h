#pragma once
#include "engine/Types.h"

// Failures travel as exceptions. Every guarded operation adds its signature line on the way
// out, so a failure reaches the entry as its message followed by one line per operation it
// passed, innermost first:
//
//     void cEngine::process()
//     {
//         GUARD_BEGIN
//         ...
//         GUARD_END("void cEngine::process()")
//     }
//
// A text (String, std::exception, const char*) starts a new stack; anything else appends to
// the stack already there. Either way a copy of the whole stack is thrown on as a String.

// The process-wide call stack of the failure in flight.
String& getErrorCallStack();

// Called from inside a catch block: records _signature and rethrows the stack as a String.
[[noreturn]] void rethrowWithSignature(const char* _signature);

// Called from inside a catch block around the reading of a data file: adds a line naming
// _path, so a message that only knows a line number or a value still leads to its file.
[[noreturn]] void rethrowWithFile(const String& _path);

// Sets the stack to _text and throws it, for failures that are already a full report.
[[noreturn]] void throwErrorText(const String& _text);

#define GUARD_BEGIN try {
#define GUARD_END(signature) \
    }                        \
    catch (...) { rethrowWithSignature(signature); }
