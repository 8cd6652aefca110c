#pragma once
#include "engine/Types.h"

// The last stop of a failure: writes the whole call stack to the "error" log and to stderr,
// then shows it to the player where a window system is there to show it. Never throws:
// when even the log cannot be written, stderr still has the report.
void reportFatalError(const String& _callStack);

// Shows the report to the player; installed by the platform once it can open a message box.
using fFatalMessage = void (*)(const String& _title, const String& _text);
void setFatalMessageHandler(fFatalMessage _handler);
