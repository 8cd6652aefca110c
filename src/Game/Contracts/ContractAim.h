#pragma once
#include "Ui/View.h"
#include "engine/Singleton.h"

// What a running contract asks for and what is still missing.
// Not filled in yet: the game makes it and finds it, and it shows nothing.
class cContractAim : public cView, public cViewSingleton<cContractAim> {
public:
    explicit cContractAim(cView* _parent = nullptr) : cView(_parent) {}
};
