#pragma once
#include "Ui/View.h"
#include "engine/Singleton.h"

// The window of the game's notes.
// Not filled in yet: the game makes it and finds it; opened, it is shown but holds nothing.
class cJournal : public cView, public cViewSingleton<cJournal> {
public:
    explicit cJournal(cView* _parent = nullptr) : cView(_parent) {}

    // Opens on the newest notes. Shown, so that what waits for the journal to open goes on.
    void draw() { show(); }
};
