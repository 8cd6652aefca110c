#pragma once
#include "Ui/buttons/Button.h"

class cProductionHouse;

// The invisible area over a production building's panel: while the cursor rests on it the
// panel stays open, so the player can reach its buttons after leaving the house itself.
class cSensorPanel : public cButton {
public:
    cSensorPanel(cProductionHouse* _house, cView* _parent) : cButton(_parent), m_house(_house) {}

    void hovered() override;
    void unhovered() override;

private:
    cProductionHouse* m_house;
};
