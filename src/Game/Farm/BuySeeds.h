#pragma once
#include "Ui/View.h"
#include "engine/Singleton.h"

// The seed shop panel.
// Not filled in yet: the game makes it and finds it, and it shows nothing.
class cBuySeeds : public cView, public cViewSingleton<cBuySeeds> {
public:
    explicit cBuySeeds(cView* _parent) : cView(_parent) {}
};
