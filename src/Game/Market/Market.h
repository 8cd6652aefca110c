#pragma once
#include "Ui/View.h"
#include "engine/Singleton.h"

// The market screen, where goods are put on sale at the player's prices.
// Not filled in yet: the game makes it and finds it, and it shows nothing.
class cMarket : public cView, public cViewSingleton<cMarket> {
public:
    explicit cMarket(cView* _parent) : cView(_parent) {}
};
