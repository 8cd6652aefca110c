#pragma once
#include "Ui/View.h"
#include "engine/Singleton.h"

// Watches the award counters and presents the awards won.
// Not filled in yet: the game makes it and finds it, and it shows nothing.
class cAwardManager : public cView, public cViewSingleton<cAwardManager> {
public:
    explicit cAwardManager(cView* _parent = nullptr) : cView(_parent) {}
};
