#pragma once
#include "Game/Game.h"
#include "Game/Market/ProductLine.h"
#include "Ui/screens/MovableBack.h"
#include "Ui/controls/State.h"
#include "engine/Singleton.h"

#include <memory>
#include <vector>

class iResource;

// The market screen: the player brings goods from the warehouse to the stall and asks a price
// for each kind; every frame, shown or not, units sell one at a time, the sooner and the
// likelier the lower the price stands against the demand the time-line sets. Each kind the
// player can deal in gets a line, the lines packed from the top without gaps. What is on sale,
// at what price and how long until the next attempt lives in the profile's game variables, so
// selling goes on where it stood after a restart.
class cMarket : public cMovableBack, public cViewSingleton<cMarket> {
public:
    enum ePriceAttitude : UInt {
        PA_EXPENSIVE = 0,
        PA_FAIR = 1,
        PA_CHEAP = 2,
        PA_COUNT = 3,
    };
    static constexpr UInt LINE_COUNT = OVERALL_PROD_COUNT;

    // Makes the nineteen lines on the panel and reads "UI/gameUI/Market.xml".
    explicit cMarket(cView* _parent);
    ~cMarket() override;

    // The tutorial's market tips.
    void process() override;
    // Slides, sells, refreshes the charts when their time comes.
    void absoluteProcess() override;
    // The sliding screen's keys, then "IconType", "PriceCheckPeriod", "PriceUpdatePeriod",
    // "ChangePricePeriod", "SellSound", "LineOrder", "ProductPlaces", "Texts", "ProductLine"
    // and "AttitudeIconStates".
    void loadXML(iXML* _xml_doc) override;
    // The lines are laid out afresh before the screen shows.
    void showed() override;
    // The goods still rising from the stall end with the screen.
    void hid() override;
    // Counts the screen's arrivals for the tutorial.
    void onMoveEnd() override;

    // "_type>=OVERALL_PROD_COUNT" for a kind past 18.
    static UInt getQtyOfKind(UInt _type);
    // The asking price: the player's own, or while UNSET_PRICE is stored the good's value today.
    static UInt getPlayerPriceOfKind(UInt _type);
    static constexpr UInt UNSET_PRICE = 0;
    // Both restart the kind's wait for its next sale.
    void setQtyOfKind(UInt _type, UInt _count);
    void setPlayerPriceOfKind(UInt _type, UInt _price);
    ePriceAttitude getPriceAttitude(UInt _type, Int _price) const;

    // Whether the kind gets a line: grass always; a crop once its seeds are on sale; any kind
    // in the warehouse or on sale; the inputs and outputs of production on sale.
    static Bool canBeVisible(UInt _type);

    // Lays the lines out: one per kind that can be seen, in the line order, the rest hidden.
    void updateProductStatus();
    // Every shown line's chart follows the demand forecast afresh.
    void updateProductPrognos();
    // The time-line changed a demand.
    void onChangeEffectivePrice() { updateProductStatus(); }

    // Moves up to _count units of _kind from the warehouse to the stall; what the warehouse
    // actually gave is what arrives.
    void bringToMarket(UInt _kind, UInt _count);
    // One click on a price button; quick clicks take bigger steps.
    void clickPrice(UInt _kind, Bool _raise);
    // One frame of _kind's selling.
    void sellStep(UInt _kind, Float _frameTime);

    static void onIncQty(cView* _button);
    static void onInc10Qty(cView* _button);
    static void onIncAllQty(cView* _button);
    static void onIncMarketPrice(cView* _button);
    static void onDecMarketPrice(cView* _button);

    const cProductLine& getLine(UInt _index) const { return *m_lines.at(_index); }
    const Vector2& getProductPlace(UInt _index) const { return m_productPlaces.at(_index); }
    const cState& getAttitudeState(UInt _attitude) const { return m_attitudeStates.at(_attitude); }
    Int getIconType() const { return m_iconType; }
    Float getPriceCheckPeriod() const { return m_priceCheckPeriod; }
    Float getPriceUpdatePeriod() const { return m_priceUpdatePeriod; }
    Float getPrognosCountdown() const { return m_prognosCountdown; }
    Float getChangePricePeriod() const { return m_changePricePeriod; }
    Int getPriceStep() const { return m_priceStep; }
    iResource* getSellSound() const { return m_sellSound.get(); }
    const std::vector<cControl*>& getTexts() const { return m_texts; }

private:
    struct sReleaseSound {
        void operator()(iResource* _sound) const;
    };

    void bindButtons();
    void loadPlaces(iXML* _xml_doc);
    void loadLines(iXML* _xml_doc);
    void loadAttitudes(iXML* _xml_doc);
    void showLine(cProductLine& _line, UInt _kind);
    void readLineOrder(const WString& _order);
    void chartLine(cProductLine& _line, UInt _kind);
    void sell(UInt _kind);
    void runTips();

    std::vector<std::unique_ptr<cProductLine>> m_lines;
    std::vector<Vector2> m_productPlaces;
    // The kinds in the order their lines stand: "LineOrder" lists the first ones (the goods a
    // player meets first, so a line once learned keeps its row as new goods come on sale), the
    // kinds it leaves out follow in kind order.
    std::vector<UInt> m_lineOrder;
    std::vector<cState> m_attitudeStates;
    Int m_iconType = 0;
    std::unique_ptr<iResource, sReleaseSound> m_sellSound;
    Float m_priceCheckPeriod = 1.0f;
    Float m_priceUpdatePeriod = 1.0f;
    Float m_prognosCountdown = 1.0f;
    Float m_sinceLastPriceClick = 0;
    Float m_changePricePeriod = 0.3f;
    Int m_priceStep = 1;
    // Texts of the panel from "Texts"; children of the panel.
    std::vector<cControl*> m_texts;
};
