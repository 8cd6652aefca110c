#pragma once
#include "platform/System.h"

class cSdlSystem : public iSystem {
public:
    UInt getTicks() override;
    void sleep(UInt _milliseconds) override;
    platform::sLocalTime getLocalTime() override;
    // A dialog, unless CI is set: a run that nobody watches must never wait for a click.
    void showFatalMessage(const String& _title, const String& _text) override;
    // SDL cannot tell the layout's language, and no desktop this runs on switches the caret
    // by it: the letters always grow to the right.
    Bool isRightToLeftKeyboard() override { return false; }
};
