#include "Game/Contracts/ContractAimBase.h"

#include "engine/logs/ErrorStack.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"
#include "Game/Contracts/ContractDialogs.h"
#include "Game/Farm/TextMoney.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/Game.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Timeline/GameEvent.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/texts/MultilineText.h"
#include "Ui/controls/Picture.h"
#include "Ui/texts/Text.h"
#include "Ui/views/XmlAttribute.h"

#include <algorithm>
#include <string>

namespace {

void moveBy(cControl* _control, const Vector2& _offset)
{
    const Vector2& at = _control->getPosition();
    _control->setPosition(Vector2(at.x + _offset.x, at.y + _offset.y));
}

WString decimal(UInt _value)
{
    return toWString(std::to_string(_value));
}

} // namespace

void cContractAimBase::sLine::make(cView* _owner)
{
    icon = new cPicture(_owner);
    caption = new cText(_owner);
    number = new cText(_owner);
}

void cContractAimBase::sLine::load(iXML* _prototype, const Vector2& _place)
{
    loadChildPart(_prototype, "ProductIcon", icon);
    loadChildPart(_prototype, "ReqText", caption);
    loadChildPart(_prototype, "NumberText", number);
    place = _place;
    for (cControl* control : {static_cast<cControl*>(icon), static_cast<cControl*>(caption), static_cast<cControl*>(number)})
        moveBy(control, _place);
}

void cContractAimBase::sLine::setup(const sContractReq& _req, const cState& /*_toMarket*/, const cState& /*_toWare*/,
                                    UInt _count, Bool _showHave)
{
    GUARD_BEGIN
    if (_req.ReqType == 1) {
        setVisible(false);
        return;
    }
    const cGame* game = cGame::getInstance();
    if (const cGame::sProdInfo* info = game ? game->getProdInfo(_req.ProductType) : nullptr)
        static_cast<cState&>(*icon) = info->Icon;
    number->setString(decimal(_showHave ? std::min(_count, _req.Count) : _req.Count));
    setVisible(true);
    GUARD_END("void cContractAimBase::sLine::setup(const sContractReq* _req, cState& _to_market, cState& _to_ware, UInt _count, Bool _show_have)")
}

void cContractAimBase::sLine::setVisible(Bool _visible)
{
    for (cView* control : {static_cast<cView*>(icon), static_cast<cView*>(caption), static_cast<cView*>(number)}) {
        if (_visible)
            control->show();
        else
            control->hide();
    }
}

cContractAimBase::cContractAimBase(cView* _parent) : cBack(_parent)
{
    GUARD_BEGIN
    m_note = new cMultilineText(this);
    for (sLine& line : m_lines)
        line.make(this);
    m_bonusText = new cText(this);
    m_penaltyText = new cText(this);
    m_bonusMoney = new cTextMoney(this);
    m_penaltyMoney = new cTextMoney(this);
    GUARD_END("cContractAimBase::cContractAimBase(cView* _parent)")
}

cContractAimBase::~cContractAimBase()
{
    // A dialog taken down while open (the game ends under it) gives the bar back.
    if (cGameMenu* menu = cGameMenu::getInstance()) {
        menu->getEnableHold().release(this);
        menu->getAbsoluteHold().release(this);
    }
}

void cContractAimBase::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cBack::loadXML(_xml_doc);
    loadChildPart(_xml_doc, "Note", m_note);
    loadLines(_xml_doc, "AimProto", m_lines);
    loadChildPart(_xml_doc, "BonusText", m_bonusText);
    loadChildPart(_xml_doc, "PenaltyText", m_penaltyText);
    loadChildPart(_xml_doc, "BonusMoneyText", m_bonusMoney);
    loadChildPart(_xml_doc, "PenaltyMoneyText", m_penaltyMoney);
    iXML* look = nullptr;
    if (_xml_doc->get("ToMarketState", look))
        m_toMarket.loadXML(look);
    if (_xml_doc->get("ToWareState", look))
        m_toWare.loadXML(look);
    GUARD_END("void cContractAimBase::loadXML(iXML* xml_doc)")
}

void cContractAimBase::loadLines(iXML* _xml_doc, const char* _prototype, sLine (&_lines)[2])
{
    iXML* places = nullptr;
    iXML* prototype = nullptr;
    if (!_xml_doc->get("AimPlaces", places) || !_xml_doc->get(_prototype, prototype))
        return;
    iXML* place = nullptr;
    for (UInt i = 0, count = std::min<UInt>(places->getChildCount(), 2); i < count; ++i) {
        if (!places->get(i, place))
            continue;
        Vector2 at(0, 0);
        readXmlAttribute(place, u"Place", at, toVector2);
        _lines[i].load(prototype, at);
    }
}

void cContractAimBase::setupLines(const sContractEvent& _terms, Bool _showHave)
{
    for (UInt i = 0; i < 2; ++i) {
        const sContractReq& req = _terms.Requirements[i];
        m_lines[i].setup(req, m_toMarket, m_toWare, _showHave ? warehouseCount(req) : 0, _showHave);
    }
}

void cContractAimBase::setMoney(const sContractEvent& _terms, Bool _bonus, Bool _penalty)
{
    m_bonusMoney->setString(decimal(UInt(std::max(0, _terms.Bonus))));
    m_penaltyMoney->setString(decimal(UInt(std::max(0, _terms.Penalty))));
    for (cView* part : {static_cast<cView*>(m_bonusText), static_cast<cView*>(m_bonusMoney)})
        _bonus ? part->show() : part->hide();
    for (cView* part : {static_cast<cView*>(m_penaltyText), static_cast<cView*>(m_penaltyMoney)})
        _penalty ? part->show() : part->hide();
}

UInt cContractAimBase::warehouseCount(const sContractReq& _req)
{
    const cWareHouse* warehouse = cWareHouse::getInstance();
    return _req.ReqType == 0 && warehouse ? warehouse->getGoodCount(_req.ProductType) : 0;
}

void cContractAimBase::open()
{
    GUARD_BEGIN
    m_open = true;
    if (cGameMenu* menu = cGameMenu::getInstance()) {
        menu->getAbsoluteHold().take(this);
        menu->getEnableHold().take(this);
    }
    showTransparently();
    enable();
    GUARD_END("void cContractAimBase::open()")
}

void cContractAimBase::close()
{
    GUARD_BEGIN
    if (!m_open)
        return;
    m_open = false;
    hideTransparently();
    if (cGameMenu* menu = cGameMenu::getInstance()) {
        menu->getEnableHold().release(this);
        menu->getAbsoluteHold().release(this);
    }
    if (cContractDialogs* dialogs = cContractDialogs::getInstance())
        dialogs->closed();
    GUARD_END("void cContractAimBase::close()")
}
