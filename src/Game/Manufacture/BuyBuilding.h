#pragma once
#include "Game/SwitchHold.h"
#include "Ui/MovableUnion.h"
#include "Ui/Tips.h"
#include "engine/Singleton.h"

class cPriceText;
class cText;
class iResource;

// The panel from which production buildings are bought. It slides in from the production
// screen's build button, offers every kind the time-line has released with its picture, name,
// price and goods, and closes after a purchase or a click beside it. A bought building hangs
// on the cursor; the money is taken only when it is placed.
class cBuyBuilding : public cMovableUnion, public cViewSingleton<cBuyBuilding> {
public:
    static constexpr UInt ITEM_COUNT = 11;

    struct sConfig {
        WString name;
        cState State;
    };
    struct sItem {
        cButton* BuyButton = nullptr;
        cTips<cButton>* BuyMask = nullptr;
        cPriceText* PriceText = nullptr;
        cText* Text = nullptr;
    };

    // Reads "UI/gameUI/BuyBuilding.xml" when the data has it.
    explicit cBuyBuilding(cView* _parent);
    ~cBuyBuilding() override;

    void loadXML(iXML* _xml_doc) override;
    void process() override;

    // Fills the items with the kinds on sale and slides in.
    void draw();
    // Slides out; the panel hides at the end.
    void undraw();
    Bool isAnyButtonHovered();

    // The input and output product kinds shown for a building type.
    static UInt inputKindOf(UInt _type);
    static UInt outputKindOf(UInt _type);

    const sItem& getItem(UInt _slot) const { return m_items[_slot]; }
    const sConfig& getConfig(UInt _type) const { return m_configs[_type]; }
    const Vector2& getPlace(UInt _slot) const { return m_places[_slot]; }
    // The building type an item's button offers.
    static UInt getOfferedType(const cButton* _button) { return _button->getUserValue(); }

    // A tutorial tip holds the panel off while it is shown.
    cSwitchHold& getEnableHold() { return m_enableHold; }

    static void onLeftMouseDown(cView* _view);
    static void onBuy(cView* _button);

private:
    void makeItems();
    void loadItems(iXML* _xml_doc);
    void fillItem(sItem& _item, UInt _type);
    void bindClose(Bool _bind);
    // The game menu bar that opening the panel held off.
    void releaseMenu();

    Vector2 m_places[ITEM_COUNT];
    sConfig m_configs[ITEM_COUNT];
    sItem m_items[ITEM_COUNT];
    iResource* m_buySound = nullptr;
    cSwitchHold m_enableHold{*this, cSwitchHold::ENABLE};
};
