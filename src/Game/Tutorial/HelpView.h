#pragma once
#include "Ui/View.h"
#include "engine/Singleton.h"

// The in-game help pages.
// Not filled in yet: the game makes it and finds it, and it shows nothing.
class cHelpView : public cView, public cViewSingleton<cHelpView> {
public:
    explicit cHelpView(cView* _parent = nullptr) : cView(_parent) {}
};
