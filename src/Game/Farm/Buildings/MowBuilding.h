#pragma once
#include "Game/Farm/Buildings/ToolBuilding.h"
#include "engine/Singleton.h"

#include <array>

class cPicture;

// The building where the worker takes the scythe to harvest; its level decides how long
// harvesting a tile takes and how much the scythe's basket holds. While the worker is
// without the scythe and the basket still holds harvest, a sign shows the first crop in it.
class cMowBuilding : public cToolBuilding, public cViewSingleton<cMowBuilding> {
public:
    // Reads "Farm/ActionAreas/MowBuilding.xml".
    explicit cMowBuilding(cView* _parent);

    // The building's keys, then "WotInScythSign" and "WotSubstrate".
    void loadXML(iXML* _xml_doc) override;
    // "ProductionNum", "MowTime" and the two looks of a level.
    void loadUpgrade(UInt _level, iXML* _xml) override;

    // What the basket holds and the seconds to harvest a tile at the current level; 0 when
    // no level data describes it.
    UInt getProductionNum() const;
    Float getMowTime() const;
    cPicture* getSign() const { return m_sign; }

    // The harvest the worker carries, over the eight crops.
    static UInt getCarriedHarvest();

    static void onUpgrade(cView* _button);

protected:
    void afterInstrumentView() override;
    void afterLevelChange() override;
    Int getUpgradeTip() const override;

private:
    struct sMowLevel {
        UInt ProductionNum = 0;
        Float MowTime = 0;
    };

    std::array<sMowLevel, MAX_LEVELS> m_levels{};
    cPicture* m_sign;
    // A child of the sign.
    cPicture* m_substrate;
};
