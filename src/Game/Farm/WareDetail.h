#pragma once
#include "Ui/View.h"
#include "engine/Singleton.h"

// The sliding panel that lists what the warehouse holds.
// Not filled in yet: the game makes it and finds it, and it shows nothing.
class cWareDetail : public cView, public cViewSingleton<cWareDetail> {
public:
    explicit cWareDetail(cView* _parent) : cView(_parent) {}
};
