#pragma once
#include "Ui/View.h"
#include "engine/Singleton.h"

// The sliding panel that lists what the warehouse holds.
// Not filled in yet: the game makes it and finds it; it knows whether it is out, and shows nothing.
class cWareDetail : public cView, public cViewSingleton<cWareDetail> {
public:
    explicit cWareDetail(cView* _parent) : cView(_parent) {}

    void updateWareInfo() {}
    // Out for as long as the mouse stays on the warehouse gauge.
    void drawHovered() { m_shown = true; }
    void undraw() { m_shown = false; }
    Bool isShown() const { return m_shown; }

private:
    Bool m_shown = false;
};
