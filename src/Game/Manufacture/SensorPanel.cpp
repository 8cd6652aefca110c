#include "Game/Manufacture/SensorPanel.h"

#include "Game/Manufacture/Manufacture.h"
#include "Game/Manufacture/ProductionHouse.h"
#include "Ui/boxes/ScrollBox.h"
#include "engine/logs/ErrorStack.h"

void cSensorPanel::hovered()
{
    GUARD_BEGIN
    if (cProductionHouse::isHouseTaken())
        return;
    cButton::hovered();
    m_house->showPanel();
    GUARD_END("void cProductionHouse::cSensorPanel::hovered()")
}

void cSensorPanel::unhovered()
{
    GUARD_BEGIN
    if (cProductionHouse::isHouseTaken() || m_house->getLoaded()->isDragging())
        return;
    cButton::unhovered();
    if (m_house->getState() == BS_HOVERED)
        return;
    const cManufacture* manufacture = cManufacture::getInstance();
    if (!manufacture || manufacture->getSelected() != m_house)
        m_house->hidePanel();
    m_house->setStatePicture(BS_NORMAL);
    GUARD_END("void cProductionHouse::cSensorPanel::unhovered()")
}
