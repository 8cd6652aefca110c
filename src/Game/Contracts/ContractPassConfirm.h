#pragma once
#include "Ui/View.h"
#include "engine/Singleton.h"

// The question whether to hand a contract's goods over.
// Not filled in yet: the game makes it and finds it, and it shows nothing.
class cContractPassConfirm : public cView, public cViewSingleton<cContractPassConfirm> {
public:
    explicit cContractPassConfirm(cView* _parent = nullptr) : cView(_parent) {}
};
