#include "Game/Farm/Seeds/BuySeeds.h"

#include "engine/logs/ErrorStack.h"
#include "engine/files/FileManager.h"
#include "engine/text/TextConvert.h"
#include "Game/Farm/Seeds/SeedPackage.h"
#include "Game/Farm/TextMoney.h"
#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/controls/Picture.h"
#include "Ui/texts/Text.h"
#include "Ui/views/ViewFile.h"

#include <string>

namespace {

const char* const PANEL_XML = "UI/gameUI/BuySeeds.xml";
constexpr cSlidingShop::sShape SHAPE{cBuySeeds::PLACE_COUNT, cGame::TOMATOES, 14, 15};
// The price text shows frame 1 while the crop costs more than the player has.
constexpr UInt FRAME_AFFORDABLE = 0;
constexpr UInt FRAME_TOO_DEAR = 1;

Bool isHoveredOrPressed(const cButtonPrototype* _button)
{
    return _button->getState() == BS_HOVERED || _button->getState() == BS_PRESSED;
}

} // namespace

cBuySeeds::cBuySeeds(cView* _parent) : cSlidingShop(_parent, SHAPE)
{
    GUARD_BEGIN
    cControl* content = getContent();
    for (sSlot& slot : m_slots) {
        slot.BuyButton = new cAnimButton(content);
        slot.PriceText = new cTextMoney(slot.BuyButton);
        slot.Text = new cText(content);
        slot.BuyButton->setOnClick(&cBuySeeds::onBuy);
    }
    cFileManager* files = cFileManager::getInstance();
    if (files && files->isExist(PANEL_XML))
        loadViewFile(this, PANEL_XML);
    GUARD_END("cBuySeeds::cBuySeeds(cView* _parent)")
}

void cBuySeeds::loadCards(iXML* _proto)
{
    for (UInt i = 0; i < SLOT_COUNT; ++i) {
        sSlot& slot = m_slots[i];
        loadChildPart(_proto, "BuyButton", slot.BuyButton);
        loadChildPart(_proto, "PriceText", slot.PriceText);
        loadChildPart(_proto, "Text", slot.Text);
        // The price is the button's child and moves with it.
        moveBy(slot.BuyButton, getPlace(i));
        moveBy(slot.Text, getPlace(i));
    }
}

void cBuySeeds::fillSlot(sSlot& _slot, UInt _crop)
{
    const sOffer& offer = getOffer(_crop);
    _slot.Text->setString(offer.name);
    _slot.Text->show();
    static_cast<cState&>(*_slot.BuyButton) = offer.look;
    _slot.BuyButton->setTransformDirty();
    _slot.BuyButton->setUserValue(_crop);
    _slot.BuyButton->show();
    const cGame* game = cGame::getInstance();
    const cGame::sSeedsInfo* info = game ? game->getSeedsInfo(cGame::eCultivationType(_crop)) : nullptr;
    const UInt price = info ? info->Price : 0;
    _slot.PriceText->setString(toWString(std::to_string(price)));
    _slot.PriceText->show();
    const Bool affordable = LongLong(price) <= LongLong(cGame::getMoney());
    if (affordable)
        _slot.BuyButton->enable();
    else
        _slot.BuyButton->disable();
    // The coin beside the price is what shows it: grey while the crop is too dear.
    const UInt frame = affordable ? FRAME_AFFORDABLE : FRAME_TOO_DEAR;
    _slot.PriceText->setAnimFrame(frame);
    _slot.PriceText->getCoin()->setAnimFrame(frame);
}

void cBuySeeds::hideSlot(sSlot& _slot)
{
    _slot.BuyButton->hide();
    _slot.PriceText->hide();
    _slot.Text->hide();
}

void cBuySeeds::draw()
{
    GUARD_BEGIN
    UInt j = 0;
    for (UInt crop = cGame::TOMATOES; crop < cGame::CULTIVATION_COUNT; ++crop)
        if (key::SeedAvail[crop] != 0)
            fillSlot(m_slots[j++], crop);
    for (; j < SLOT_COUNT; ++j)
        hideSlot(m_slots[j]);
    open();
    GUARD_END("void cBuySeeds::draw()")
}

Bool cBuySeeds::isAnyButtonHovered()
{
    GUARD_BEGIN
    if (!isVisible() || !isEnabled())
        return false;
    if (isPointerOnPanel())
        return true;
    for (cControl* background : getBackground())
        if (isPointerIn(background))
            return true;
    for (const sSlot& slot : m_slots)
        if (isHoveredOrPressed(slot.BuyButton))
            return true;
    return false;
    GUARD_END("Bool cBuySeeds::isAnyButtonHovered()")
}

void cBuySeeds::deliver(UInt _crop)
{
    cSeedPackage::makeBought(_crop);
}
