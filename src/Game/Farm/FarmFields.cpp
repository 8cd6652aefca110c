// The farm's fields: which are owned, the sale of the next block, the lighter under the
// pointer, the field-destroy event, and the sprinkles that water them.
#include "Game/Farm/Farm.h"

#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/FarmMoment.h"
#include "Game/Farm/Seeds/SeedPackage.h"
#include "Game/Farm/Water/Sprinkle.h"
#include "Game/Farm/TextMoney.h"
#include "Game/Game.h"
#include "Game/GameRandom.h"
#include "Ui/controls/Picture.h"
#include "engine/logs/ErrorStack.h"
#include "engine/frame/Logic.h"
#include "engine/text/TextConvert.h"

#include <algorithm>
#include <string>

namespace {

// A level outside the table reads its nearest end.
UInt levelSlot(Int _level)
{
    return UInt(std::clamp(_level, 0, Int(cFarm::FIELD_LEVELS) - 1));
}

} // namespace

void cFarm::getSeedPackageList(std::vector<cSeedPackage*>& _list) const
{
    for (cActionArea* area : m_areas)
        if (area->getAreaType() == AAT_SEED_PACKAGE)
            _list.push_back(static_cast<cSeedPackage*>(area));
}

void cFarm::getUpgradedFieldList(FARM_FIELD_HOLDER& _list) const
{
    for (cFarmFieldTile* field : m_fields)
        if (field->isInitialised())
            _list.push_back(field);
}

void cFarm::getFieldWithinRadius(const Vector2& _center, Float _radius, FARM_FIELD_HOLDER& _fields) const
{
    GUARD_BEGIN
    _fields.clear();
    for (cFarmFieldTile* field : m_fields) {
        const Vector2& at = field->getPosition();
        const Float dx = at.x - _center.x, dy = at.y - _center.y;
        if (field->isInitialised() && dx * dx + dy * dy <= _radius * _radius)
            _fields.push_back(field);
    }
    GUARD_END("void cFarm::getFieldWithinRadius(Vector2 _center, Float _radius, FARM_FIELD_HOLDER& _holder)")
}

cFarmFieldTile* cFarm::getAnyUngrowGrassField() const
{
    cFarmFieldTile* firstOwned = nullptr;
    for (cFarmFieldTile* field : m_fields) {
        if (!field->isInitialised())
            continue;
        if (field->getCultivationType() == cGame::GRASS && !field->hasWater())
            return field;
        if (!firstOwned)
            firstOwned = field;
    }
    return firstOwned;
}

Bool cFarm::haveAnyReadyFieldOfType(UInt _crop) const
{
    return std::any_of(m_fields.begin(), m_fields.end(), [_crop](const cFarmFieldTile* _field) {
        return _field->getCultivationType() == _crop && _field->getStatus() == cFarmFieldTile::FS_READY;
    });
}

void cFarm::countDryField(cFarmFieldTile& _field)
{
    m_dryFields += _field.takeDryChange();
}

void cFarm::countDryFields()
{
    for (cFarmFieldTile* field : m_fields)
        countDryField(*field);
}

void cFarm::clearAllUnderwaterSign()
{
    for (cFarmFieldTile* field : m_fields)
        field->setUnderWater(false);
}

void cFarm::lightField(cFarmFieldTile* _field)
{
    GUARD_BEGIN
    if (!_field)
        return;
    m_lightedField = _field;
    m_fieldLighter->setPosition(_field->getPosition());
    m_fieldLighter->setDeep(_field->getDeep() + 0.002f);
    m_fieldLighter->show();
    GUARD_END("void cFarm::lightField(cFarmFieldTile* _field)")
}

void cFarm::unlightField(cFarmFieldTile* _field)
{
    if (_field != m_lightedField)
        return;
    m_lightedField = nullptr;
    m_fieldLighter->hide();
}

Int cFarm::getFieldPrice(Int _level) const
{
    return m_upgradePrices[levelSlot(_level)];
}

void cFarm::onBuyFields(cView* /*_button*/)
{
    if (cFarm* farm = getInstance())
        farm->buyFields();
}

void cFarm::buyFields()
{
    GUARD_BEGIN
    const Int level = key::fcu() + 1;
    // Four levels of fields exist: past the last there is nothing to sell.
    if (level >= Int(FIELD_LEVELS) || level > key::fua())
        return;
    const Int price = m_upgradePrices[level];
    if (cGame::getMoney() < price)
        return;
    cGame::setMoney(cGame::getMoney() - price);
    setFieldsCurrentUpgrade(level);
    cGame::requestSave();
    if (cGame* game = cGame::getInstance())
        game->playUpgradeSound();
    GUARD_END("void cFarm::onBuyFields()")
}

void cFarm::setFieldsCurrentUpgrade(Int _level)
{
    GUARD_BEGIN
    key::fcu() = std::clamp(_level, 0, Int(FIELD_LEVELS) - 1);
    for (cFarmFieldTile* field : m_fields)
        field->updateUpgrade(key::fcu(), key::fua());
    updateUpgradeButton();
    for (cActionArea* area : m_areas)
        if (area->getAreaType() == AAT_SPRINKLE) {
            auto* sprinkle = static_cast<cSprinkle*>(area);
            // Set down again, a sprinkle gathers the fields around it anew.
            if (sprinkle->getStatus() == cSprinkle::SET_DOWN)
                sprinkle->setStatus(cSprinkle::SET_DOWN);
        }
    GUARD_END("void cFarm::setFieldsCurrentUpgrade(Int _upgrade)")
}

void cFarm::setFieldsUpgradeAvail(Int _level)
{
    GUARD_BEGIN
    if (key::fua() + 1 != _level)
        throw "upgrade_avail+1!=_upgrade";
    // The fields come in four levels; a time-line that releases more releases nothing.
    if (_level >= Int(FIELD_LEVELS))
        return;
    key::fua() = _level;
    for (cFarmFieldTile* field : m_fields)
        field->updateUpgrade(key::fcu(), _level);
    updateUpgradeButton();
    GUARD_END("void cFarm::setFieldsUpgradeAvail(Int _upgrade)")
}

void cFarm::updateUpgradeButton()
{
    GUARD_BEGIN
    const Int current = key::fcu(), avail = key::fua();
    if (current >= avail || current + 1 >= Int(FIELD_LEVELS)) {
        m_fieldsBuyButton->hideAll();
        return;
    }
    const UInt next = UInt(current + 1);
    const Vector2& origin = getContent()->getPosition();
    m_fieldsBuyButton->setPosition(
        Vector2(origin.x + m_fieldsBuyPlaces[next].x, origin.y + m_fieldsBuyPlaces[next].y));
    m_fieldsBuyCostText->setString(toWString(std::to_string(m_upgradePrices[next])));
    m_fieldsBuyButton->show();
    if (cGame::getMoney() < m_upgradePrices[next])
        m_fieldsBuyButton->disable();
    else
        m_fieldsBuyButton->enable();
    GUARD_END("void cFarm::updateUpgradeButton()")
}

void cFarm::destroyFields(Int _count, Float _randomFactor)
{
    GUARD_BEGIN
    if (_count <= 0 || !(farm::random01() < _randomFactor))
        return;
    std::vector<cFarmFieldTile*> eligible;
    for (cFarmFieldTile* field : m_fields)
        if (field->getCultivationType() != cGame::GRASS && !field->isDoomed())
            eligible.push_back(field);
    const size_t doomed = std::min(size_t(_count), eligible.size());
    for (size_t n = 0; n < doomed; ++n) {
        const size_t k = size_t(Float(gameRand()) * Float(eligible.size() - 1) / 32768.0f);
        eligible[k]->setDoomed(true);
        eligible.erase(eligible.begin() + std::ptrdiff_t(k));
    }
    GUARD_END("void cFarm::destroyFields(Int _count, Float _random_factor)")
}

cSprinkle* cFarm::buySprinkle(Int _cost)
{
    GUARD_BEGIN
    if (cGame::getMoney() < _cost || s_sprinkleCount >= MAX_SPRINKLES)
        return nullptr;
    for (UInt k = 0; k < MAX_SPRINKLES; ++k) {
        // A slot may also be taken by a sprinkle not yet paid for.
        const Bool taken = std::any_of(m_areas.begin(), m_areas.end(), [k](cActionArea* _area) {
            return _area->getAreaType() == AAT_SPRINKLE && static_cast<cSprinkle*>(_area)->getIndex() == k;
        });
        if (key::SPExist[k] || taken)
            continue;
        auto* sprinkle = new cSprinkle(getSlidingPicture(), cSprinkle::ON_MOUSE, k);
        ++s_sprinkleCount;
        if (cLogic* logic = cLogic::getInstance())
            sprinkle->setPosition(logic->getCursor());
        return sprinkle;
    }
    return nullptr;
    GUARD_END("cSprinkle* cFarm::buySprinkle(Int _cost)")
}

void cFarm::destroySprinkle(cSprinkle* _sprinkle)
{
    GUARD_BEGIN
    const Bool known = std::find(m_areas.begin(), m_areas.end(), _sprinkle) != m_areas.end();
    removeActionArea(_sprinkle);
    if (known && s_sprinkleCount > 0)
        --s_sprinkleCount;
    GUARD_END("void cFarm::destroySprinkle(cSprinkle* _sprinkle)")
}
