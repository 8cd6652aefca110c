#include "Game/Manufacture/BuyBuilding.h"

#include "engine/logs/ErrorStack.h"
#include "engine/files/FileManager.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Game/Farm/TextMoney.h"
#include "Game/Manufacture/HouseKind.h"
#include "Game/Manufacture/Manufacture.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/texts/FlyText.h"
#include "Ui/texts/Text.h"
#include "Ui/views/ViewFile.h"
#include "Ui/views/XmlAttribute.h"

#include <string>

namespace {

const char* const PANEL_XML = "UI/gameUI/BuyBuilding.xml";
constexpr eTips TIP_BUILD_PANEL = 35;
constexpr eTips TIP_BUY = 36;
constexpr cSlidingShop::sShape SHAPE{cBuyBuilding::ITEM_COUNT, 0, TIP_BUILD_PANEL, TIP_BUY};

// While the tutorial still teaches building, the first building costs nothing.
Bool isTutorialPriceFree()
{
    const cTutorialManager* tutorial = cTutorialManager::getInstance();
    return tutorial && tutorial->isTutorialEnabled() &&
           (!tutorial->isTipPassed(TIP_BUILD_PANEL) || !tutorial->isTipPassed(TIP_BUY));
}

} // namespace

cBuyBuilding::cBuyBuilding(cView* _parent) : cSlidingShop(_parent, SHAPE)
{
    GUARD_BEGIN
    for (sItem& item : m_items) {
        item.BuyButton = new cButton(this);
        item.BuyMask = new cTips<cButton>(this);
        item.Text = new cText(this);
        item.PriceText = new cTextMoney(item.BuyButton);
        item.BuyButton->setOnClick(&cBuyBuilding::onBuy);
        item.BuyMask->setOnClick(&cBuyBuilding::onCardClick);
    }
    cFileManager* files = cFileManager::getInstance();
    if (files && files->isExist(PANEL_XML))
        loadViewFile(this, PANEL_XML);
    GUARD_END("cBuyBuilding::cBuyBuilding(cView* _parent)")
}

UInt cBuyBuilding::inputKindOf(UInt _type)
{
    const sHouseKind* kind = findHouseKind(_type);
    return kind ? ::inputKindOf(*kind) : 0;
}

UInt cBuyBuilding::outputKindOf(UInt _type)
{
    const sHouseKind* kind = findHouseKind(_type);
    return kind ? ::outputKindOf(*kind) : 0;
}

void cBuyBuilding::loadCards(iXML* _proto)
{
    for (UInt i = 0; i < ITEM_COUNT; ++i) {
        sItem& item = m_items[i];
        loadChildPart(_proto, "BuyButton", item.BuyButton);
        loadChildPart(_proto, "BuyMask", item.BuyMask);
        loadChildPart(_proto, "PriceText", item.PriceText);
        loadChildPart(_proto, "Text", item.Text);
        // The price is the button's child and moves with it.
        for (cControl* control : {static_cast<cControl*>(item.BuyButton), static_cast<cControl*>(item.BuyMask),
                 static_cast<cControl*>(item.Text)})
            moveBy(control, getPlace(i));
    }
    m_priceColor = m_items[0].PriceText->getTextColor();
    m_cardColor = m_items[0].BuyButton->getColor();
    DXColor dear;
    colorFromARGB(dear, m_tooDearColor);
    readXmlAttribute(_proto, u"TooDearColor", dear, toDXColor);
    m_tooDearColor = UInt(colorToARGB(dear));
    readXmlAttribute(_proto, u"TooDearCardColor", m_tooDearCardColor, toDXColor);
    if (const WString* note = findXmlAttribute(_proto, u"TooDearNote"))
        m_tooDearNote = toString(*note);
}

UInt cBuyBuilding::priceOf(UInt _type)
{
    const cGame* game = cGame::getInstance();
    return !game || isTutorialPriceFree() ? 0 : game->getUpgradeCost(cGame::eUpgradeItem(_type), 0);
}

void cBuyBuilding::onCardClick(cView* _mask)
{
    GUARD_BEGIN
    cBuyBuilding* panel = getInstance();
    cGame* game = cGame::getInstance();
    auto* mask = dynamic_cast<cControl*>(_mask);
    if (!panel || !game || !mask || panel->m_tooDearNote.empty())
        return;
    if (LongLong(priceOf(mask->getUserValue())) <= LongLong(cGame::getMoney()))
        return;
    // A child of the game, over the panel; it discards itself when it has flown.
    cFlyText* note = new cFlyText(game, panel->m_tooDearNote);
    note->shiftPath(mask->getPosition());
    GUARD_END("void cBuyBuilding::onCardClick(cView* _mask)")
}

void cBuyBuilding::fillItem(sItem& _item, UInt _type)
{
    const sOffer& offer = getOffer(_type);
    _item.Text->setString(offer.name);
    _item.Text->show();
    static_cast<cState&>(*_item.BuyButton) = offer.look;
    _item.BuyButton->setTransformDirty();
    _item.BuyButton->show();
    const cGame* game = cGame::getInstance();
    const UInt price = priceOf(_type);
    _item.PriceText->setString(toWString(std::to_string(price)));
    _item.BuyButton->setUserValue(_type);
    _item.BuyMask->setUserValue(_type);
    _item.PriceText->show();
    _item.BuyMask->show();
    const Bool affordable = LongLong(price) <= LongLong(cGame::getMoney());
    for (cView* view : {static_cast<cView*>(_item.BuyButton), static_cast<cView*>(_item.PriceText)}) {
        if (affordable)
            view->enable();
        else
            view->disable();
    }
    _item.PriceText->setTextColor(affordable ? m_priceColor : m_tooDearColor);
    _item.BuyButton->setColor(affordable ? m_cardColor : m_tooDearCardColor);
    const std::vector<cControl*>& parts = _item.BuyMask->getTipParts();
    if (game && parts.size() > 2) {
        if (const cGame::sProdInfo* input = game->getProdInfo(inputKindOf(_type)))
            static_cast<cState&>(*parts[1]) = input->Icon;
        if (const cGame::sProdInfo* output = game->getProdInfo(outputKindOf(_type)))
            static_cast<cState&>(*parts[2]) = output->Icon;
        parts[1]->setTransformDirty();
        parts[2]->setTransformDirty();
    }
}

void cBuyBuilding::draw()
{
    GUARD_BEGIN
    UInt k = 0;
    for (UInt type = 0; type < HOUSE_KIND_COUNT; ++type)
        if (key::upgradeAvail(type) != NONE_VALUE)
            fillItem(m_items[k++], type);
    for (; k < ITEM_COUNT; ++k) {
        m_items[k].Text->hide();
        m_items[k].BuyButton->hide();
        m_items[k].PriceText->hide();
        m_items[k].BuyMask->hideAll();
    }
    open();
    GUARD_END("void cBuyBuilding::draw()")
}

Bool cBuyBuilding::isAnyButtonHovered()
{
    GUARD_BEGIN
    if (!isEnabled())
        return false;
    if (isPointerOnPanel())
        return true;
    for (const auto& child : getChildren()) {
        cControl* control = child.second->asControl();
        if (control && control->isOwnVisible() && isPointerIn(control))
            return true;
    }
    return false;
    GUARD_END("Bool cBuyBuilding::isAnyButtonHovered()")
}

void cBuyBuilding::deliver(UInt _type)
{
    if (cManufacture* manufacture = cManufacture::getInstance())
        manufacture->createBuilding(_type, -1);
}
