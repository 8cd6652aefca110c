#pragma once
#include "platform/system/System.h"

class cSdlSystem : public iSystem {
public:
    UInt getTicks() override;
    void sleep(UInt _milliseconds) override;
    platform::sLocalTime getLocalTime() override;
    // A dialog, unless CI is set: a run that nobody watches must never wait for a click.
    void showFatalMessage(const String& _title, const String& _text) override;
    // The layout in use types Hebrew: its letter keys give Hebrew letters.
    Bool isRightToLeftKeyboard() override;
};
