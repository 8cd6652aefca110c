#pragma once
#include "Game/GameKeys.h"
#include "Game/ScreenLook.h"
#include "Ui/MovableBack.h"
#include "engine/Singleton.h"

// The market screen, where goods are put on sale at the player's prices.
// Not filled in yet: the game makes it and finds it, and it shows only its backdrop.
class cMarket : public cMovableBack, public cViewSingleton<cMarket> {
public:
    explicit cMarket(cView* _parent) : cMovableBack(_parent) { loadScreenLook(*this, "UI/gameUI/Market.xml"); }

    // The product lines: none yet.
    void updateProductStatus() {}
    void onChangeEffectivePrice() {}
    // Whether the kind gets a line: grass always; a crop once its seeds are on sale; any kind
    // in the warehouse or on sale; the inputs and outputs of production on sale.
    static Bool canBeVisible(UInt _type)
    {
        // Output and input kind of each production building type.
        static constexpr UInt LINKS[11][2] = {
            {9, 3}, {8, 7}, {10, 0}, {11, 1}, {12, 13}, {13, 10}, {14, 9}, {15, 8}, {16, 14}, {18, 17}, {17, 7}};
        if (_type >= key::PRODUCT_COUNT)
            return false;
        if (_type == 0 || (_type < key::CROP_COUNT && key::SeedAvail[_type] != 0))
            return true;
        if (key::WGoodCount[_type] != 0 || key::MGoodCount[_type] != 0)
            return true;
        for (UInt t = 0; t < 11; ++t)
            if (key::upgradeAvail(t) != NONE_VALUE && (LINKS[t][0] == _type || LINKS[t][1] == _type))
                return true;
        return false;
    }
};
