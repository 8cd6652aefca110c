#pragma once
#include "Ui/View.h"
#include "engine/Singleton.h"

class cProductionHouse;

// The production screen, where up to twenty production buildings are placed, selected,
// upgraded and destroyed.
// Not filled in yet: the game makes it; it has no buildings, so nothing is selected.
class cManufacture : public cView, public cViewSingleton<cManufacture> {
public:
    explicit cManufacture(cView* _parent) : cView(_parent) {}

    cProductionHouse* getSelected() const { return m_selected; }
    void selectDepot(cProductionHouse* _house, Bool /*_playSound*/) { m_selected = _house; }

private:
    cProductionHouse* m_selected = nullptr;
};
