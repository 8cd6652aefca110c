#pragma once
#include "Ui/View.h"
#include "engine/Singleton.h"

// The offer of a contract, opened from its letter.
// Not filled in yet: the game makes it and finds it, and it shows nothing.
class cContractProvide : public cView, public cViewSingleton<cContractProvide> {
public:
    explicit cContractProvide(cView* _parent = nullptr) : cView(_parent) {}
};
