#include "Game/AwardKey.h"

const String& getAwardKey(UInt _index)
{
    static const String s_keys[AWARD_COUNT] = {"Award00Grow100", "Award01Produce100", "Award02Grow1000",
        "Award03Produce1000", "Award04Make20Task", "Award05Make40Task", "Award06Earn1000perMinute",
        "Award07UpgradeAllFarmDepots", "Award08BuildAllManufactureDepots", "Award09UpgradeAllManufactureDepots",
        "Award10Destroy100Depots", "Award11GrowAllAtOneTime", "Award12NoWaterNeedIn20Minute", "Award13Play30Minute",
        "Award14Play3Hour", "Award15SellItemPer40", "Award16Getting1000Gold", "Award17Getting10000Gold",
        "Award19MaxMarketAssortiment", "Award20Megaplanning", "Award21CollectAllAwards"};
    static const String s_none;
    return _index < AWARD_COUNT ? s_keys[_index] : s_none;
}
