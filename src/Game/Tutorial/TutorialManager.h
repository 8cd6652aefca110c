#pragma once
#include "Ui/View.h"
#include "engine/Singleton.h"

// Guides a first game with its numbered tips, and tells the rest of the game which tip is on screen.
// Not filled in yet: the game makes it and finds it, and it shows nothing.
class cTutorialManager : public cView, public cViewSingleton<cTutorialManager> {
public:
    explicit cTutorialManager(cView* _parent = nullptr) : cView(_parent) {}

    // No tip is on screen yet.
    Bool isCurrentTip(UInt /*_tip*/) const { return false; }
};
