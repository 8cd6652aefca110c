#pragma once
#include "Game/Farm/Buildings/ToolBuilding.h"
#include "engine/Singleton.h"

#include <array>

// The building where the worker takes the spade to plough; its level decides how long
// ploughing a tile takes and which spade the worker uses.
class cDigBuilding : public cToolBuilding, public cViewSingleton<cDigBuilding> {
public:
    // Reads "Farm/ActionAreas/DigBuilding.xml".
    explicit cDigBuilding(cView* _parent);

    // "DigTime" and the two looks of a level.
    void loadUpgrade(UInt _level, iXML* _xml) override;

    // Seconds to plough one tile at the current level; 0 when no level data describes it.
    Float getDigTime() const;

    static void onUpgrade(cView* _button);

protected:
    Int getUpgradeTip() const override;

private:
    std::array<Float, MAX_LEVELS> m_digTime{};
};
