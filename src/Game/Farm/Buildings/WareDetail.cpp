#include "Game/Farm/Buildings/WareDetail.h"

#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/Game.h"
#include "Ui/controls/Picture.h"
#include "Ui/texts/Text.h"
#include "Ui/views/ViewFile.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"

#include <algorithm>

cWareDetail::cWareDetail(cView* _parent) : cMovableUnion(_parent)
{
    GUARD_BEGIN
    // The hide countdown runs while the game is on any screen.
    absoluteEnable();
    loadViewFile(this, "UI/gameUI/WareDetail.xml");
    GUARD_END("cWareDetail::cWareDetail(cView* _parent)")
}

void cWareDetail::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cMovableUnion::loadXML(_xml_doc);
    readXmlAttribute(_xml_doc, u"VisibleTime", m_visibleTime, toFloat);
    iXML* productInfo = nullptr;
    if (_xml_doc->get("ProductInfo", productInfo))
        loadSlots(productInfo);
    setPosition(getHiddenPlace());
    hide();
    GUARD_END("void cWareDetail::loadXML(iXML* _xml_doc)")
}

void cWareDetail::loadSlots(iXML* _productInfo)
{
    // Slots are made once; a second load configures the same ones again.
    const UInt count = std::min(_productInfo->getNodeCount(), MAX_SLOTS);
    for (UInt i = 0; i < count; ++i) {
        iXML* child = nullptr;
        _productInfo->get(i, child);
        if (i == m_slots.size())
            m_slots.push_back({new cPicture(this), new cText(this), 0});
        sSlot& slot = m_slots[i];
        iXML* part = nullptr;
        if (child->get("Icon", part))
            slot.icon->loadXML(part);
        if (child->get("Text", part))
            slot.text->loadXML(part);
        readXmlAttribute(child, u"IconType", slot.IconType, toInt);
        slot.icon->hide();
        slot.text->hide();
    }
}

void cWareDetail::updateWareInfo()
{
    GUARD_BEGIN
    if (!m_shown)
        return;
    const cWareHouse* warehouse = cWareHouse::getInstance();
    UInt used = 0;
    for (UInt kind = 0; kind < getSlotCount(); ++kind) {
        const UInt count = warehouse ? warehouse->getGoodCount(kind) : 0;
        if (count > 0)
            fillSlot(m_slots[used++], kind, count);
    }
    for (UInt i = used; i < getSlotCount(); ++i) {
        m_slots[i].icon->hide();
        m_slots[i].text->hide();
    }
    GUARD_END("void cWareDetail::updateWareInfo()")
}

void cWareDetail::fillSlot(const sSlot& _slot, UInt _type, UInt _count)
{
    _slot.text->setString(toWString("x" + std::to_string(_count)));
    const cGame* game = cGame::getInstance();
    if (const cGame::sProdInfo* info = game ? game->getProdInfo(_type) : nullptr) {
        static_cast<cState&>(*_slot.icon) = _slot.IconType != 0 ? info->IconLarge : info->Icon;
        _slot.icon->setTransformDirty();
    }
    _slot.icon->show();
    _slot.text->show();
}

void cWareDetail::drawHovered()
{
    GUARD_BEGIN
    m_hideCountdown = STAY;
    m_shown = true;
    updateWareInfo();
    startMove(2, getPosition(), getShownPlace());
    GUARD_END("void cWareDetail::drawHovered()")
}

void cWareDetail::undraw()
{
    GUARD_BEGIN
    m_shown = false;
    // A panel already gone would only flash at its hidden place.
    if (isOwnVisible() || getSlide().isMoving())
        startMove(cSlide::MODE_OUT, getPosition(), getHiddenPlace());
    GUARD_END("void cWareDetail::undraw()")
}

void cWareDetail::absoluteProcess()
{
    GUARD_BEGIN
    cMovableUnion::absoluteProcess();
    if (!m_shown)
        return;
    m_hideCountdown -= getSlideFrameTime();
    // Out once: sliding out again every frame would only restart the slide.
    if (m_hideCountdown <= 0)
        undraw();
    GUARD_END("void cWareDetail::absoluteProcess()")
}
