#pragma once
#include "Ui/View.h"
#include "engine/Singleton.h"

// A tool flying back to its building after the worker has put it down.
// Not filled in yet: the game makes it and finds it, and it shows nothing.
class cElasticAnimation : public cView, public cViewSingleton<cElasticAnimation> {
public:
    explicit cElasticAnimation(cView* _parent) : cView(_parent) {}
};
