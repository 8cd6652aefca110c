#include "Game/GameKeys.h"

#include <string>

namespace key {

Int& upgradeLevel(UInt _index)
{
    return SlotUpgrade.has(_index) ? SlotUpgrade[_index] : FarmUpgrade[_index];
}

UInt& upgradeAvail(UInt _item)
{
    return DepotUpAvail.has(_item) ? DepotUpAvail[_item] : FarmUpAvail[_item];
}

Int& requirement(UInt _place, UInt _requirement)
{
    if (_place >= PLACE_COUNT || _requirement >= 2)
        throw String("Game variable req has no index ") + std::to_string(_place) + "_" + std::to_string(_requirement) + ".";
    // A missing term is made as "none" (-1), never as a count of 0 that a contract could read.
    return propertyMap<PT_INT>().emplace("req" + std::to_string(_place) + "_" + std::to_string(_requirement), -1)
        .first->second;
}

void storeDefaults()
{
    CarUp.storeDefault();
    YachtUp.storeDefault();
    XPersPos.storeDefault();
    YPersPos.storeDefault();
    PCarry.storeDefault();
    PCC.storeDefaults();
    PJob.storeDefault();
    PJobField.storeDefault();
    PJobLeft.storeDefault();
    for (const auto* family : {&XProdPos, &YProdPos, &ProdPct})
        family->storeDefaults();
    SlotUpgrade.storeDefaults();
    ProdType.storeDefaults();
    ProdCount.storeDefaults();
    ProdStop.storeDefaults();
    ProdOnMouse.storeDefault();
    FarmUpgrade.storeDefaults();
    DepotUpAvail.storeDefaults();
    FarmUpAvail.storeDefaults();
    for (const auto* family : {&FFW, &FFF, &FFP})
        family->storeDefaults();
    FFS.storeDefaults();
    FFC.storeDefaults();
    fcu.storeDefault();
    fua.storeDefault();
    SeedAvail.storeDefaults();
    SPXPos.storeDefaults();
    SPYPos.storeDefaults();
    SPStatus.storeDefaults();
    SPExist.storeDefaults();
    for (const auto* family : {&WGoodCount, &WGoodPrice, &MGoodPrice, &MGoodCount})
        family->storeDefaults();
    MSellTime.storeDefaults();
    MEffPrice.storeDefaults();
    task.storeDefaults();
    taskTime.storeDefaults();
    taskPassCancel.storeDefaults();
    taskBonus.storeDefaults();
    letter.storeDefaults();
    letTime.storeDefaults();
    letState.storeDefaults();
    for (const auto* family : {&taskAt, &taskNth, &letterAt, &letterNth})
        family->storeDefaults();
    Award.storeDefaults();
    awardShow.storeDefaults();
    marketIt.storeDefault();
    tutJustProc.storeDefault();
    tutShown.storeDefault();
    tip.storeDefaults();
    for (const auto* counter : {&awQCollect, &awQProcess, &awQTask, &awQDestroy, &awAdecvClick})
        counter->storeDefault();
    for (const auto* flag : {&awEarn, &awNoDry, &awHighSold, &awAdecvStart, &TFastSpeed, &TProdCompl, &TSeedGift, &MainGame})
        flag->storeDefault();
    awNoDryTime.storeDefault();
    awManDepotBuild.storeDefaults();
    awDepotUpg.storeDefaults();
    awGrowType.storeDefault();
    mTrigger.storeDefault();
    wlTrigger.storeDefault();
    eventNext.storeDefault();
    eventNextAt.storeDefault();
    Money.storeDefault();
    GameTime.storeDefault();
    RunTime.storeDefault();
}

} // namespace key
