#pragma once
#include "Game/SwitchHold.h"
#include "Ui/AnimButton.h"
#include "Ui/MovableUnion.h"
#include "Ui/TextButton.h"
#include "engine/Singleton.h"

class cText;
class cTextMoney;
class iResource;

// The seed shop: a panel that slides in over the farm with one card for each crop the
// time-line has made available, in crop order, with its price. Buying puts a package of
// seeds on the pointer; the money goes only when the package is put down on the farm. Cancel,
// a purchase or a press beside the panel sends it away.
class cBuySeeds : public cMovableUnion, public cViewSingleton<cBuySeeds> {
public:
    using cCancelButton = cTextButtonT<cAnimButton>;
    static constexpr UInt SLOT_COUNT = 7;
    static constexpr UInt PLACE_COUNT = 8;

    // What a crop looks like on its card: record 0 (grass) is never sold.
    struct sItem {
        WString name;
        cState look;
    };
    struct sSlot {
        cAnimButton* BuyButton = nullptr;
        // A child of the buy button.
        cTextMoney* PriceText = nullptr;
        cText* Text = nullptr;
    };

    // Reads "UI/gameUI/BuySeeds.xml" when the data has it.
    explicit cBuySeeds(cView* _parent);
    ~cBuySeeds() override;

    // The panel's keys, then "CancelButton", "ItemPlace", "ItemConfig", "BuySound" and the
    // cards from "ItemProto"; the panel waits at its hidden place.
    void loadXML(iXML* _xml_doc) override;
    void process() override;
    // The press beside the panel stops listening once the panel is gone.
    void hid() override;

    // Fills the cards with the crops on sale at this moment and slides in.
    void draw();
    // Slides out; the panel hides at the end.
    void close();
    // The pointer is on the panel, its backgrounds, or one of its buttons.
    Bool isAnyButtonHovered();

    static void onCancel(cView* _button);
    static void onBuy(cView* _button);
    static void onLeftMouseDown(cView* _view);

    const sSlot& getSlot(UInt _slot) const { return m_slots[_slot]; }
    const sItem& getItem(UInt _crop) const { return m_items[_crop]; }
    const Vector2& getPlace(UInt _place) const { return m_places[_place]; }
    cCancelButton* getCancelButton() const { return m_cancelButton; }
    // The crop a card's button sells.
    static UInt getSeedType(const cAnimButton* _button) { return _button->getUserValue(); }

    // A tutorial tip holds the panel off while it is shown.
    cSwitchHold& getEnableHold() { return m_enableHold; }

private:
    void makeSlots();
    void loadPlaces(iXML* _xml_doc);
    void loadItems(iXML* _xml_doc);
    void loadSlots(iXML* _xml_doc);
    void fillSlot(sSlot& _slot, UInt _crop);
    static void hideSlot(sSlot& _slot);
    void bindClose(Bool _bind);
    void releaseMenu();

    // Children of the panel's content.
    cCancelButton* m_cancelButton = nullptr;
    sSlot m_slots[SLOT_COUNT];
    Vector2 m_places[PLACE_COUNT];
    sItem m_items[PLACE_COUNT];
    iResource* m_buySound = nullptr;
    cSwitchHold m_enableHold{*this, cSwitchHold::ENABLE};
};
