#pragma once
#include "Game/SlidingShop.h"
#include "Ui/buttons/Tips.h"
#include "engine/Singleton.h"

class cTextMoney;
class cText;

// The panel from which production buildings are bought. It slides in from the production
// screen's build button, offers every kind the time-line has released with its picture, name,
// price and goods, and closes after a purchase, on Cancel or on a click beside it. A bought
// building hangs on the cursor; the money is taken only when it is placed. A card the money
// does not reach is shown too dear (its picture and price dimmed), and a click on it says so.
class cBuyBuilding : public cSlidingShop, public cViewSingleton<cBuyBuilding> {
public:
    static constexpr UInt ITEM_COUNT = 11;

    struct sItem {
        cButton* BuyButton = nullptr;
        cTips<cButton>* BuyMask = nullptr;
        cTextMoney* PriceText = nullptr;
        cText* Text = nullptr;
    };

    // Reads "UI/gameUI/BuyBuilding.xml" when the data has it. Offer t is building type t.
    explicit cBuyBuilding(cView* _parent);

    // Fills the items with the kinds on sale and slides in.
    void draw();
    // The pointer is on the panel or on any part of it shown.
    Bool isAnyButtonHovered() override;

    // The input and output product kinds shown for a building type.
    static UInt inputKindOf(UInt _type);
    static UInt outputKindOf(UInt _type);

    const sItem& getItem(UInt _slot) const { return m_items[_slot]; }
    // The building type an item's button offers.
    static UInt getOfferedType(const cButton* _button) { return _button->getUserValue(); }

protected:
    // "BuyButton", "BuyMask", "PriceText" and "Text" for every item; the prototype's
    // "TooDearColor" (the price's colour) and "TooDearCardColor" (the picture's) show a card
    // the money does not reach, and its "TooDearNote" is the fly text a click on it starts.
    void loadCards(iXML* _proto) override;
    cControl* getFirstCard() const override { return m_items[0].BuyButton; }
    // A building of the type on the cursor, paid when it is placed.
    void deliver(UInt _type) override;

private:
    void fillItem(sItem& _item, UInt _type);
    // A click on a card whose button is off: when the card is too dear, its note flies.
    static void onCardClick(cView* _mask);
    static UInt priceOf(UInt _type);

    sItem m_items[ITEM_COUNT];
    UInt m_priceColor = 0xFF000000;
    UInt m_tooDearColor = 0x80000000;
    DXColor m_cardColor{1, 1, 1, 1};
    DXColor m_tooDearCardColor{1, 1, 1, 0.5f};
    String m_tooDearNote;
};
