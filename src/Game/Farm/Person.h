#pragma once
#include "Ui/View.h"
#include "engine/Singleton.h"

// The farm worker, who walks to what the player clicks and works there.
// Not filled in yet: the game makes it and finds it, and it shows nothing.
class cPerson : public cView, public cViewSingleton<cPerson> {
public:
    explicit cPerson(cView* _parent) : cView(_parent) {}
};
