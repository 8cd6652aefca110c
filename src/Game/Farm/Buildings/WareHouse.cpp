#include "Game/Farm/Buildings/WareHouse.h"

#include "engine/ErrorStack.h"
#include "engine/TextConvert.h"
#include "engine/ValueConvert.h"
#include "engine/XML.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Buildings/WareDetail.h"
#include "Game/GameKeys.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Manufacture/Manufacture.h"
#include "Game/Market/Market.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Ui/Picture.h"
#include "Ui/ProgressFloat.h"
#include "Ui/Text.h"
#include "Ui/ViewFile.h"
#include "Ui/XmlAttribute.h"

#include <algorithm>
#include <limits>

namespace {

constexpr const char* DATA_FILE = "Farm/ActionAreas/Warehouse.xml";
constexpr eTips UPGRADE_TIP = 26;

// The unsigned difference, or 0 where it would wrap.
UInt saturatingSub(UInt _a, UInt _b)
{
    return _a > _b ? _a - _b : 0;
}

UInt saturatingAdd(UInt _a, UInt _b)
{
    return _a > std::numeric_limits<UInt>::max() - _b ? std::numeric_limits<UInt>::max() : _a + _b;
}

} // namespace

cWareHouse::cWareHouse(cView* _parent)
    : cActionArea(_parent, AAT_WAREHOUSE), cUpgrade(cGame::WARE_HOUSE, 32), m_upgrade(this, &cWareHouse::onUpgrade),
      m_loadingSubstrain(new cPicture(this)), m_loading(new cProgressFloat(this))
{
    GUARD_BEGIN
    loadViewFile(this, DATA_FILE);
    updateUpgrade();
    recountTotal();
    placeLoading();
    playCargoStatusAnimation();
    if (cGameMenu* menu = cGameMenu::getInstance())
        menu->updateWarehouseInfo();
    GUARD_END("cWareHouse::cWareHouse(cView* _parent)")
}

void cWareHouse::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cActionArea::loadXML(_xml_doc);
    cUpgrade::loadXML(_xml_doc);
    if (getLevelCount() == 0)
        throw String(DATA_FILE) + ": the warehouse has no level Up0.";
    iXML* child = nullptr;
    if (_xml_doc->get("LoadingSubstrain", child)) {
        m_loadingSubstrain->loadXML(child);
        m_substrainOffset = m_loadingSubstrain->getPosition();
    }
    if (_xml_doc->get("Loading", child)) {
        m_loading->loadXML(child);
        m_loadingOffset = m_loading->getPosition();
    }
    m_upgrade.loadXML(_xml_doc);
    placeLoading();
    playCargoStatusAnimation();
    GUARD_END("void cWareHouse::loadXML(iXML* _xml_doc)")
}

void cWareHouse::loadUpgrade(UInt _level, iXML* _xml)
{
    GUARD_BEGIN
    sLevel& level = m_levels.at(_level);
    level.ProductionNum = 0;
    readXmlAttribute(_xml, u"ProductionNum", level.ProductionNum, toULong);
    // A level without room would make every fill a division by zero.
    if (level.ProductionNum == 0)
        throw String(DATA_FILE) + ": warehouse level " + makeKey("Up", _level) + " has no ProductionNum.";
    level.texture_mask = toString((*_xml)[u"texture_mask"]);
    level.normal.loadXML(_xml);
    iXML* hovered = nullptr;
    if (_xml->get("Hovered", hovered))
        level.hovered.loadXML(hovered);
    GUARD_END("void cWareHouse::loadUpgrade(UInt _level, iXML* _xml)")
}

void cWareHouse::updateUpgrade()
{
    GUARD_BEGIN
    const Int level = getUpgrade();
    if (level < 0 || UInt(level) >= getLevelCount())
        return;
    const sLevel& record = m_levels[UInt(level)];
    static_cast<cState&>(*this) = record.normal;
    setTransformDirty();
    setMaskTexture(record.texture_mask);
    playCargoStatusAnimation();
    if (cGameMenu* menu = cGameMenu::getInstance())
        menu->updateWarehouseInfo();
    m_upgrade.update(*this);
    GUARD_END("void cWareHouse::updateUpgrade()")
}

void cWareHouse::onUpgrade(cView* /*_button*/)
{
    GUARD_BEGIN
    if (cWareHouse* warehouse = getInstance())
        cUpgradeControls::buyNextLevel(*warehouse);
    GUARD_END("void cWareHouse::onUpgrade(cView* _button)")
}

void cWareHouse::process()
{
    GUARD_BEGIN
    cActionArea::process();
    m_upgrade.pointTip(UPGRADE_TIP);
    GUARD_END("void cWareHouse::process()")
}

void cWareHouse::clicked()
{
    GUARD_BEGIN
    if (isCoveredAtPointer())
        cButtonPrototype::clicked();
    else
        cActionArea::clicked();
    GUARD_END("void cWareHouse::clicked()")
}

void cWareHouse::hovered()
{
    GUARD_BEGIN
    if (const cGame* game = cGame::getInstance())
        setTipText(game->getUpgradeString(UInt(getUpgrade() + 1)));
    cActionArea::hovered();
    GUARD_END("void cWareHouse::hovered()")
}

UInt cWareHouse::getCapacity() const
{
    const Int level = getUpgrade();
    if (level < 0 || UInt(level) >= getLevelCount())
        return 0;
    return m_levels[UInt(level)].ProductionNum;
}

UInt cWareHouse::getFreeSpace() const
{
    return saturatingSub(getCapacity(), m_total);
}

UInt cWareHouse::getGoodCount(UInt _type) const
{
    return _type < OVERALL_PROD_COUNT ? key::WGoodCount[_type] : 0;
}

UInt cWareHouse::addGoods(UInt _type, UInt _count, Bool _updateMarket, Bool _first)
{
    GUARD_BEGIN
    if (_type >= OVERALL_PROD_COUNT)
        return 0;
    const UInt added = std::min(_count, getFreeSpace());
    if (added == 0)
        return 0;
    UInt& stored = key::WGoodCount[_type];
    stored = saturatingAdd(stored, added);
    m_total = saturatingAdd(m_total, added);
    refreshStockViews(_updateMarket, _first);
    return added;
    GUARD_END("UInt cWareHouse::addGoods(UInt _type, UInt _count, Bool _updateMarket, Bool _first)")
}

UInt cWareHouse::removeGoods(UInt _type, UInt _count, Bool _updateMarket, Bool _first)
{
    GUARD_BEGIN
    if (_type >= OVERALL_PROD_COUNT)
        return 0;
    UInt& stored = key::WGoodCount[_type];
    const UInt taken = std::min(_count, stored);
    if (taken == 0)
        return 0;
    m_total = saturatingSub(m_total, taken);
    stored -= taken;
    refreshStockViews(_updateMarket, _first);
    return taken;
    GUARD_END("UInt cWareHouse::removeGoods(UInt _type, UInt _count, Bool _updateMarket, Bool _first)")
}

void cWareHouse::playCargoStatusAnimation()
{
    const UInt capacity = getCapacity();
    // No level to read: the bar stays empty rather than dividing by nothing.
    m_loading->setValue(capacity == 0 ? 0.0f : Float(Double(m_total) * 100.0 / Double(capacity)));
    m_loading->progressChanged();
}

Float cWareHouse::getLoadingPercent() const
{
    return m_loading->getValue();
}

void cWareHouse::refreshStockViews(Bool _updateMarket, Bool _first)
{
    playCargoStatusAnimation();
    if (cManufacture* manufacture = cManufacture::getInstance())
        manufacture->updateWarehouseInfo();
    cGameMenu* menu = cGameMenu::getInstance();
    if (menu)
        menu->updateWarehouseInfo();
    if (_updateMarket)
        if (cMarket* market = cMarket::getInstance())
            market->updateProductStatus();
    if (menu)
        menu->updateContractStatuses(_first);
    if (cWareDetail* detail = cWareDetail::getInstance())
        detail->updateWareInfo();
}

void cWareHouse::recountTotal()
{
    m_total = 0;
    for (UInt k = 0; k < OVERALL_PROD_COUNT; ++k)
        m_total = saturatingAdd(m_total, key::WGoodCount[k]);
}

void cWareHouse::placeLoading()
{
    const Vector2& position = getPosition();
    const Vector2 anchor(position.x, position.y + getSize().y / 2);
    m_loadingSubstrain->setPosition(Vector2(anchor.x + m_substrainOffset.x, anchor.y + m_substrainOffset.y));
    m_loading->setPosition(Vector2(anchor.x + m_loadingOffset.x, anchor.y + m_loadingOffset.y));
}
