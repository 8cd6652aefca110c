#pragma once
#include "Ui/View.h"
#include "engine/Singleton.h"

class cFarmFieldTile;

// The panel that tells about the field tile under the mouse.
// Not filled in yet: the game makes it and finds it, and it shows nothing.
class cFieldTip : public cView, public cViewSingleton<cFieldTip> {
public:
    explicit cFieldTip(cView* _parent = nullptr) : cView(_parent) {}

    // The field under the mouse, and the field the mouse left.
    void setTile(cFarmFieldTile* /*_tile*/) {}
    void unsetTile(cFarmFieldTile* /*_tile*/) {}
};
