#pragma once
#include "Game/Game.h"
#include "Game/Upgrade.h"
#include "Ui/View.h"
#include "engine/Singleton.h"

#include <array>

// The farm's warehouse: every good that enters or leaves the game's stock passes through it.
// The stock itself lives in the game variables "WGoodCount<k>", so it is saved with the
// profile; the warehouse keeps only their total, and each level's capacity.
class cWareHouse : public cView, public cUpgrade, public cViewSingleton<cWareHouse> {
public:
    // Reads "Farm/ActionAreas/Warehouse.xml"; a level without room, or no level at all, is
    // refused there.
    explicit cWareHouse(cView* _parent);

    void loadXML(iXML* _xml_doc) override;
    void loadUpgrade(UInt _level, iXML* _xml) override;
    void updateUpgrade() override;

    // The room of the current level; 0 for a level no data describes.
    UInt getCapacity() const;
    // What still fits. A stock above the capacity (an edited profile, smaller data) leaves none.
    UInt getFreeSpace() const;
    // 0 for a kind past the last.
    UInt getGoodCount(UInt _type) const;
    UInt getTotal() const { return m_total; }
    // Stores what fits and answers how much that was. Anything moved refreshes every stock
    // display; nothing moved refreshes none.
    UInt addGoods(UInt _type, UInt _count, Bool _updateMarket, Bool _first);
    // Takes what is there, up to the count, and answers how much that was.
    UInt removeGoods(UInt _type, UInt _count, Bool _updateMarket, Bool _first);
    // The fill of the warehouse's own loading bar, in percent of the current capacity.
    void playCargoStatusAnimation();
    Float getLoadingPercent() const { return m_loadingPercent; }

private:
    struct sLevel {
        UInt ProductionNum = 0;
    };

    // Every display of the stock, in the order the player should see them follow.
    void refreshStockViews(Bool _updateMarket, Bool _first);
    void recountTotal();

    UInt m_total = 0;
    std::array<sLevel, MAX_LEVELS> m_levels{};
    Float m_loadingPercent = 0;
};
