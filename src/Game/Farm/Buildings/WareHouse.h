#pragma once
#include "Game/Farm/ActionArea.h"
#include "Game/Farm/Buildings/UpgradeControls.h"
#include "Game/Game.h"
#include "Game/Upgrade.h"
#include "engine/Singleton.h"

#include <array>

class cPicture;
class cProgressFloat;

// The farm's warehouse: every good that enters or leaves the game's stock passes through it.
// The stock itself lives in the game variables "WGoodCount<k>", so it is saved with the
// profile; the warehouse keeps only their total, and each level's capacity and look. The
// worker brings the harvest here; the player buys bigger levels with its upgrade button.
class cWareHouse : public cActionArea, public cUpgrade, public cViewSingleton<cWareHouse> {
public:
    // Reads "Farm/ActionAreas/Warehouse.xml"; a level without room, or no level at all, is
    // refused there.
    explicit cWareHouse(cView* _parent);

    void process() override;
    // The area's keys, the levels under "Upgrades", then "LoadingSubstrain", "Loading",
    // "UpgradeButton" and "CostText".
    void loadXML(iXML* _xml_doc) override;
    // Only a button press while a sprinkler or seed package stands under the cursor too.
    void clicked() override;
    // The tooltip offers the next level.
    void hovered() override;
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
    // The warehouse's own loading bar follows the fill, in percent of the current capacity.
    void playCargoStatusAnimation();
    Float getLoadingPercent() const;

    cUpgradeControls& getUpgradeControls() { return m_upgrade; }
    cProgressFloat* getLoading() const { return m_loading; }

    static void onUpgrade(cView* _button);

private:
    struct sLevel {
        UInt ProductionNum = 0;
        cState normal;
        cState hovered;
        String texture_mask;
    };

    // Every display of the stock, in the order the player should see them follow.
    void refreshStockViews(Bool _updateMarket, Bool _first);
    void recountTotal();
    void placeLoading();

    UInt m_total = 0;
    std::array<sLevel, MAX_LEVELS> m_levels;
    cUpgradeControls m_upgrade;
    cPicture* m_loadingSubstrain;
    cProgressFloat* m_loading;
    // Where the data puts the bar and its underlay, from the foot of the building.
    Vector2 m_substrainOffset{0, 0};
    Vector2 m_loadingOffset{0, 0};
};
