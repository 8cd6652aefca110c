#pragma once
#include "Game/GameKeys.h"
#include "Game/ScreenLook.h"
#include "Ui/MovableBack.h"
#include "engine/Singleton.h"

class cProductionHouse;

// The production screen, where up to twenty production buildings are placed, selected,
// upgraded and destroyed.
// Not filled in yet: the game makes it; it has no buildings, so nothing is selected, and it
// shows only its backdrop.
class cManufacture : public cMovableBack, public cViewSingleton<cManufacture> {
public:
    explicit cManufacture(cView* _parent) : cMovableBack(_parent)
    {
        loadScreenLook(*this, "UI/gameUI/Manufacture.xml");
    }

    // Some production building type is on sale.
    static Bool anyDepotAvailableToBuild()
    {
        for (UInt t = 0; t < 11; ++t)
            if (key::upgradeAvail(t) != NONE_VALUE)
                return true;
        return false;
    }

    // The stock texts of the selected building follow the warehouse.
    void updateWarehouseInfo() {}

    cProductionHouse* getSelected() const { return m_selected; }
    void selectDepot(cProductionHouse* _house, Bool /*_playSound*/) { m_selected = _house; }

private:
    cProductionHouse* m_selected = nullptr;
};
