#pragma once
#include "Ui/texts/PriceText.h"

class cPicture;

// A price with its coin: the coin shows frame 0 while the price is enabled and frame 1
// while it is disabled (too expensive, not for sale).
class cTextMoney : public cPriceText {
public:
    explicit cTextMoney(cView* _parent);

    // The price's keys, then the element "Coin", which must exist; the coin stands at its own
    // place from the price's position.
    void loadXML(iXML* _xml_doc) override;
    void enabled() override;
    void disabled() override;

    cPicture* getCoin() const { return m_coin; }

private:
    // A child of the text.
    cPicture* m_coin;
};
