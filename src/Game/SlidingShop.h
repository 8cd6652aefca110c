#pragma once
#include "Game/SwitchHold.h"
#include "Game/Tutorial/TipNumber.h"
#include "Ui/buttons/AnimButton.h"
#include "Ui/screens/MovableUnion.h"
#include "Ui/buttons/TextButton.h"

#include <vector>

class iResource;

// A shop that slides in over a screen with a card for each offer on sale: the seed shop and
// the build panel. It keeps the places of the cards, the name and look of each offer, the
// sound of a purchase and a Cancel button. While it is open the game menu bar is held off
// (the opener takes the hold, leaving gives it back), and a press beside the panel closes it,
// except while a tutorial tip is on screen. Once it has slid in, its first tutorial tip
// points at its first card, its second one asks to buy there.
class cSlidingShop : public cMovableUnion {
public:
    using cCancelButton = cTextButtonT<cAnimButton>;

    // What an offer looks like on its card.
    struct sOffer {
        WString name;
        cState look;
    };
    // What one shop keeps apart from another.
    struct sShape {
        // Item places and offers.
        UInt placeCount;
        // ItemConfig's children before this one stand for nothing on sale.
        UInt firstOffer;
        // The tip about the shop, then the tip that asks for a purchase.
        eTips shopTip;
        eTips buyTip;
    };

    cSlidingShop(cView* _parent, const sShape& _shape);
    ~cSlidingShop() override;

    // The panel's keys, then "CancelButton", "ItemPlace" (child i's "place"), "ItemConfig"
    // (child k's "name" and look "State"), "BuySound" and the shop's cards; the panel then
    // waits at its hidden place.
    void loadXML(iXML* _xml_doc) override;
    void process() override;
    // The press beside the panel stops listening once the panel is gone.
    void hid() override;

    // Slides out; the panel hides at the end.
    void close();
    // A card's button was pressed: the panel goes with the buy sound and the shop hands over
    // what the card offers.
    static void onBuy(cView* _button);
    // The pointer is on the panel or on a part of it.
    virtual Bool isAnyButtonHovered() = 0;

    const Vector2& getPlace(UInt _place) const { return m_places.at(_place); }
    const sOffer& getOffer(UInt _offer) const { return m_offers.at(_offer); }
    cCancelButton* getCancelButton() const { return m_cancelButton; }
    // A tutorial tip holds the panel off while it is shown.
    cSwitchHold& getEnableHold() { return m_enableHold; }

protected:
    // The cards, from "ItemProto"; each part's place is relative to its card's place.
    virtual void loadCards(iXML* _proto) = 0;
    // The button of the first card, where the tips point.
    virtual cControl* getFirstCard() const = 0;
    // Hands over what a card's button offers, its user value; it is paid for later.
    virtual void deliver(UInt _offer) = 0;

    // Enables the panel and slides it in from where it is; it hears presses beside it.
    void open();
    // Gives the game menu bar back and slides out.
    void leave();
    // The pointer is in the panel's own rectangle.
    Bool isPointerOnPanel();
    static Bool isPointerIn(cControl* _control);
    static void moveBy(cControl* _control, const Vector2& _offset);

private:
    // The shop _part belongs to.
    static cSlidingShop* shopOf(cView* _part);
    static void onCancel(cView* _button);
    static void onPressBeside(cView* _view);
    void bindClose(Bool _bind);

    sShape m_shape;
    std::vector<Vector2> m_places;
    std::vector<sOffer> m_offers;
    // A child of the panel's content.
    cCancelButton* m_cancelButton;
    iResource* m_buySound = nullptr;
    cSwitchHold m_enableHold{*this, cSwitchHold::ENABLE};
};
