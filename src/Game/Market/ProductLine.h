#pragma once
#include "Game/Market/Histogram.h"
#include "Ui/boxes/ProgressFloat.h"

#include <array>

class cAnimButton;
class cPicture;
class cPriceText;
class cText;
class iXML;

// One row of the market: a product's picture, its stock, the buttons that bring it to the
// stall, the quantity on sale, the price with its buttons, the verdict on the price and the
// chart of the coming demand. The row is a set of controls on the market's panel, not a view
// of its own: the panel owns them.
class cProductLine {
public:
    using cChart = cHistogram<cProgressFloat>;
    static constexpr UInt CONTROL_COUNT = 12;

    explicit cProductLine(cView* _panel);

    // Each control reads the child of _line with its name and moves by _place.
    void loadXML(iXML* _line, const Vector2& _place);
    // The five buttons act on _kind from now on.
    void setKind(UInt _kind);
    // -1 (all bits) until the line first shows a kind.
    UInt getKind() const { return m_kind; }
    void hideAll();
    void showAll();

    cPicture* getBack() const { return m_back; }
    cPicture* getProductIcon() const { return m_productIcon; }
    cText* getWareQtyLabel() const { return m_wareQtyLabel; }
    cAnimButton* getIncQtyButton() const { return m_incQtyButton; }
    cAnimButton* getInc10QtyButton() const { return m_inc10QtyButton; }
    cAnimButton* getIncAllQtyButton() const { return m_incAllQtyButton; }
    cText* getMarketQtyLabel() const { return m_marketQtyLabel; }
    cAnimButton* getIncPriceButton() const { return m_incPriceButton; }
    cPriceText* getPriceLabel() const { return m_priceLabel; }
    cAnimButton* getDecPriceButton() const { return m_decPriceButton; }
    cPicture* getPriceAttitudeIcon() const { return m_priceAttitudeIcon; }
    cChart* getPriceGrowHistogram() const { return m_priceGrowHistogram; }
    // The twelve controls in the order the line holds them.
    std::array<cControl*, CONTROL_COUNT> getControls() const;

private:
    cPicture* m_back;
    cPicture* m_productIcon;
    cText* m_wareQtyLabel;
    cAnimButton* m_incQtyButton;
    cAnimButton* m_inc10QtyButton;
    cAnimButton* m_incAllQtyButton;
    cText* m_marketQtyLabel;
    cAnimButton* m_incPriceButton;
    cPriceText* m_priceLabel;
    cAnimButton* m_decPriceButton;
    cPicture* m_priceAttitudeIcon;
    cChart* m_priceGrowHistogram;
    UInt m_kind = 0xFFFFFFFFu;
};
