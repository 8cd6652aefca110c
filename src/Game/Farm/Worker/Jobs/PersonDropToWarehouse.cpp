#include "Game/Farm/Worker/Jobs/PersonDropToWarehouse.h"

#include "Game/Farm/Worker/Person.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/GameKeys.h"

Float cPersonDropToWarehouse::duration() const
{
    return cPerson::getInstance()->getJobTime(cPerson::DROP_WARE_TIME);
}

void cPersonDropToWarehouse::begin()
{
    cPerson::getInstance()->playSound(cPerson::STUFF_WAREHOUSE);
}

void cPersonDropToWarehouse::finish()
{
    cWareHouse* warehouse = cWareHouse::getInstance();
    if (!warehouse)
        return;
    for (UInt crop = 0; crop < key::CROP_COUNT; ++crop) {
        const UInt carried = cPerson::getCarriedGood(crop);
        if (carried == 0)
            continue;
        const UInt stored = warehouse->addGoods(crop, carried, true, false);
        cPerson::setCarriedGood(crop, carried - stored);
        if (stored < carried)
            break;
    }
}
