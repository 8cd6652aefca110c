#include "Game/Game.h"

#include "Ui/views/ResourceHold.h"
#include "engine/logs/ErrorStack.h"
#include "engine/resources/Resource.h"
#include "engine/resources/ResourceManager.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"

#include <algorithm>

void cGame::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cView::loadXML(_xml_doc);
    iXML* child = nullptr;
    if (_xml_doc->get("ProductionInfo", child))
        loadProducts(child);
    if (_xml_doc->get("Costs", child))
        loadCosts(child);
    if (_xml_doc->get("Seeds", child))
        loadSeeds(child);
    if (_xml_doc->get("UpgradeStrings", child))
        loadUpgradeStrings(child);
    loadUpgradeSound(_xml_doc);
    GUARD_END("void cGame::loadXML(iXML* xml_doc)")
}

void cGame::loadProducts(iXML* _xml_doc)
{
    iXML* item = nullptr;
    for (UInt i = 0; i < OVERALL_PROD_COUNT && _xml_doc->get(i, item); ++i) {
        sProdInfo& info = m_products[i];
        toFloat(info.CreationTime, (*item)[u"CreationTime"]);
        toFloat(info.DieTime, (*item)[u"DieTime"]);
        toFloat(info.MaxSellFrequency, (*item)[u"MaxSellFrequency"]);
        toInt(info.PriceRadius, (*item)[u"PriceRadius"]);
        toInt(info.GoodAttPriceRadius, (*item)[u"GoodAttPriceRadius"]);
        iXML* icon = nullptr;
        if (item->get("Icon", icon))
            info.Icon.loadXML(icon);
        if (item->get("IconLarge", icon))
            info.IconLarge.loadXML(icon);
    }
}

void cGame::loadCosts(iXML* _xml_doc)
{
    const UInt items = std::min(_xml_doc->getNodeCount(), UInt(UPGRADE_ITEM_COUNT));
    for (UInt i = 0; i < items; ++i) {
        iXML* row = nullptr;
        if (!_xml_doc->get(i, row))
            continue;
        const UInt levels = std::min(row->getNodeCount(), UPGRADE_LEVEL_COUNT);
        for (UInt j = 0; j < levels; ++j) {
            iXML* up = nullptr;
            if (row->get(makeKey("Up", j), up))
                toUInt(m_costs[i][j], up->getWString());
        }
    }
}

void cGame::loadSeeds(iXML* _xml_doc)
{
    iXML* item = nullptr;
    for (UInt i = 0; i < CULTIVATION_COUNT && _xml_doc->get(i, item); ++i) {
        toUInt(m_seeds[i].Price, (*item)[u"Price"]);
        iXML* icon = nullptr;
        if (item->get("Icon", icon))
            m_seeds[i].Icon.loadXML(icon);
    }
}

void cGame::loadUpgradeStrings(iXML* _xml_doc)
{
    const UInt count = std::min(_xml_doc->getNodeCount(), UPGRADE_STRING_COUNT);
    for (UInt i = 0; i < count; ++i) {
        iXML* item = nullptr;
        if (_xml_doc->get(i, item))
            m_upgradeStrings[i] = (*item)[u"string"];
    }
}

void cGame::loadUpgradeSound(iXML* _xml_doc)
{
    const String path = toString((*_xml_doc)[u"UpgradeSound"]);
    if (!path.empty())
        m_upgradeSound.reset(requireResourceManager().getSound(path));
}

const cGame::sProdInfo* cGame::getProdInfo(UInt _type) const
{
    return _type < OVERALL_PROD_COUNT ? &m_products[_type] : nullptr;
}

const cGame::sProdInfo* cGame::getCultivationInfo(eCultivationType _type) const
{
    return _type < CULTIVATION_COUNT ? &m_products[_type] : nullptr;
}

const cGame::sProdInfo* cGame::getGoodInfo(Int _good) const
{
    return _good >= 0 && UInt(_good) < GOODS_COUNT ? &m_products[CULTIVATION_COUNT + _good] : nullptr;
}

const cGame::sSeedsInfo* cGame::getSeedsInfo(eCultivationType _type) const
{
    return _type < CULTIVATION_COUNT ? &m_seeds[_type] : nullptr;
}

UInt cGame::getUpgradeCost(eUpgradeItem _item, UInt _level) const
{
    GUARD_BEGIN
    if (_level >= UPGRADE_LEVEL_COUNT)
        throw "bad level";
    // Unsigned: an item made from a negative number is far past the table, never before it.
    if (UInt(_item) >= UPGRADE_ITEM_COUNT)
        throw "bad upgrade item";
    return m_costs[_item][_level];
    GUARD_END("UInt cGame::getUpgradeCost(eUpgradeItem _item, UInt _level)")
}

const WString& cGame::getUpgradeString(UInt _index) const
{
    static const WString s_none;
    return _index < UPGRADE_STRING_COUNT ? m_upgradeStrings[_index] : s_none;
}

const WString& cGame::getStaticProductTag(UInt _type)
{
    static const WString s_names[OVERALL_PROD_COUNT] = {u"Трава", u"Помидоры", u"Дыни", u"Огурцы", u"Розы", u"Арбузы",
        u"Ананасы", u"Пшеница", u"Яйца", u"Шерсть", u"Молоко", u"Бифштекс", u"Сыр", u"Масло", u"Нитки", u"Цыплята",
        u"Ткань", u"Мука", u"Кексы"};
    static const WString s_none;
    return _type < OVERALL_PROD_COUNT ? s_names[_type] : s_none;
}
