#include "engine/logs/Log.h"
#include "engine/logs/LogManager.h"
#include "Game/GameKeys.h"
#include "Game/GameRandom.h"
#include "Game/GameMenu/MoneySum.h"
#include "Game/Timeline/EventTargets.h"
#include "Game/Timeline/GameEvent.h"

namespace {

// A draw from 0 to 1, as the chances of the time-line are written.
Float drawChance()
{
    return Float(gameRand()) * (1.0f / 32767.0f);
}

void refreshMarket(iEventTargets& _targets)
{
    _targets.refreshMarketLines();
}

} // namespace

void sBaseEvent::addNote(iEventTargets& _targets) const
{
    if (!note.empty())
        _targets.addNote(note);
}

void sUpgradeAvailableEvent::fire(iEventTargets& _targets)
{
    addNote(_targets);
    key::upgradeAvail(DepotType) = Upgrade;
    refreshMarket(_targets);
    _targets.refreshUpgradeItem(DepotType);
    _targets.updateMenuButtons();
}

Bool sUpgradeAvailableEvent::isPlainlyUnfired() const
{
    const UInt available = key::upgradeAvail(DepotType);
    return available == NONE_VALUE || available < Upgrade;
}

void sSeedAvailableEvent::fire(iEventTargets& _targets)
{
    addNote(_targets);
    key::SeedAvail[SeedType] = 1;
    refreshMarket(_targets);
    _targets.updateSeedsButton();
    _targets.refreshWareDetail();
}

Bool sSeedAvailableEvent::isPlainlyUnfired() const
{
    return key::SeedAvail[SeedType] == 0;
}

void sMoneyChangeEvent::fire(iEventTargets& _targets)
{
    if (drawChance() > RandomFactor)
        return;
    // A loss the player cannot pay is not taken at all, and says nothing.
    if (LongLong(key::Money()) + Value < 0)
        return;
    addNote(_targets);
    _targets.setMoney(moneyPlus(key::Money(), Value));
}

void sFieldDestroyEvent::fire(iEventTargets& _targets)
{
    addNote(_targets);
    _targets.destroyFields(Value, RandomFactor);
}

void sContractEvent::fire(iEventTargets& _targets)
{
    if (drawChance() <= RandomFactor && _targets.haveLetterRoom())
        _targets.addLetter(this);
}

void sPopularityChangeEvent::fire(iEventTargets& _targets)
{
    addNote(_targets);
    for (const sPair& pair : values) {
        key::MEffPrice[pair.ProductType] = pair.Value;
        key::MSellTime[pair.ProductType] = -1.0f;
    }
    if (!values.empty())
        _targets.onChangeEffectivePrice();
}

void sFieldAccess::fire(iEventTargets& _targets)
{
    if (UpgradeIndex != key::fua() + 1) {
        getLog("error")->print("Field level " + std::to_string(UpgradeIndex) + " is not the next one after " +
                               std::to_string(key::fua()) + ": its release is passed over.");
        return;
    }
    addNote(_targets);
    _targets.setFieldsUpgradeAvail(UpgradeIndex);
}

Bool sFieldAccess::isPlainlyUnfired() const
{
    return key::fua() < UpgradeIndex;
}

void sTrigger::fire(iEventTargets& /*_targets*/)
{
    key::mTrigger() = Money;
    key::wlTrigger() = WareLevel;
}

void sMainGameEndEvent::fire(iEventTargets& /*_targets*/)
{
    key::MainGame() = false;
}
