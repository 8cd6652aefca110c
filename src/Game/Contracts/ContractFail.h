#pragma once
#include "Ui/View.h"
#include "engine/Singleton.h"

// The news of a failed contract.
// Not filled in yet: the game makes it and finds it, and it shows nothing.
class cContractFail : public cView, public cViewSingleton<cContractFail> {
public:
    explicit cContractFail(cView* _parent = nullptr) : cView(_parent) {}
};
