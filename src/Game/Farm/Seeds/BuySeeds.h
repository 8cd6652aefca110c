#pragma once
#include "Game/SlidingShop.h"
#include "engine/Singleton.h"

class cText;
class cTextMoney;

// The seed shop: a panel that slides in over the farm with one card for each crop the
// time-line has made available, in crop order, with its price. Buying puts a package of
// seeds on the pointer; the money goes only when the package is put down on the farm. Cancel,
// a purchase or a press beside the panel sends it away.
class cBuySeeds : public cSlidingShop, public cViewSingleton<cBuySeeds> {
public:
    static constexpr UInt SLOT_COUNT = 7;
    static constexpr UInt PLACE_COUNT = 8;

    struct sSlot {
        cAnimButton* BuyButton = nullptr;
        // A child of the buy button.
        cTextMoney* PriceText = nullptr;
        cText* Text = nullptr;
    };

    // Reads "UI/gameUI/BuySeeds.xml" when the data has it. Offer k is crop k; offer 0
    // (grass) is never sold.
    explicit cBuySeeds(cView* _parent);

    // Fills the cards with the crops on sale at this moment and slides in.
    void draw();
    // The pointer is on the panel, its backgrounds, or one of its buttons.
    Bool isAnyButtonHovered() override;

    const sSlot& getSlot(UInt _slot) const { return m_slots[_slot]; }
    // The crop a card's button sells.
    static UInt getSeedType(const cAnimButton* _button) { return _button->getUserValue(); }

protected:
    // "BuyButton", "PriceText" and "Text" for every card.
    void loadCards(iXML* _proto) override;
    cControl* getFirstCard() const override { return m_slots[0].BuyButton; }
    // A package of the crop's seeds on the pointer, paid when it is put down on the farm.
    void deliver(UInt _crop) override;

private:
    void fillSlot(sSlot& _slot, UInt _crop);
    static void hideSlot(sSlot& _slot);

    // Children of the panel's content.
    sSlot m_slots[SLOT_COUNT];
};
