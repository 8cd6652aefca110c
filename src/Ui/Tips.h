#pragma once
#include "Ui/AnimButton.h"
#include "Ui/Button.h"
#include "Ui/OverlayButton.h"
#include "Ui/TextButton.h"

#include <vector>

// Gives a button a tooltip: a picture with texts, pictures and multi-line texts from the
// button's "Tip" element. When the cursor has rested on the button for WaitTime it fades in
// beside the button, on the side facing the middle of the screen, with the corner picture of
// that side; it fades out when the cursor leaves, the button is pressed or released, or a
// tutorial tip is on screen, and vanishes at once when the button is disabled.
template <class _Button>
class cTips : public _Button {
public:
    // Where a tip part stands against the tooltip's anchor, as its element placed it.
    struct sTipPlace {
        Float x;
        Float y;
        Float deep;
    };

    enum eTipMode : Int {
        TM_WANTED = 0,  // wait, fade in, then follow the button
        TM_FADE_OUT = 1,
    };

    // The corner looks, indexed as the quadrant table reads them.
    enum eCorner : Int {
        UP_LEFT = 0,
        UP_RIGHT = 1,
        DOWN_LEFT = 2,
        DOWN_RIGHT = 3,
    };

    explicit cTips(cView* _parent);
    // The tip parts are children: a copy would share them.
    cTips(const cTips&) = delete;
    ~cTips() override;

    void process() override;
    // The button's element, then "Tip": "Offset", "TipsAlphaChangeTime" (refused when not
    // above zero), "WaitTime", the tip picture from "Image", the corner looks and the parts
    // under "Texts", "Pics" and "MultiTexts". Every part starts hidden and clear.
    void loadXML(iXML* _xml_doc) override;
    void enabled() override;
    void disabled() override;
    void clicked() override;
    void unclicked() override;
    void hovered() override;
    void unhovered() override;
    // Hides the button and every tip part.
    virtual void hideAll();

    // Picks the side by the button's place against the middle of the screen and puts every
    // part at the anchor plus its own place, at its own deep.
    void updatePosition();

    // Puts _text into the first text part: a multi-line block wraps it to its width, so a text
    // that changes with the game stays in its bubble; a one-line text takes it as it is.
    void setTipText(const WString& _text);

    const std::vector<cControl*>& getTipParts() const { return m_tipParts; }
    cPicture* getTipPicture() const { return m_tipPicture; }
    const cState& getCorner(eCorner _corner) const { return m_corners[_corner]; }
    Float getTipAlpha() const { return m_tipAlpha; }
    Int getTipMode() const { return m_tipMode; }
    Float getWaitLeft() const { return m_waitLeft; }
    Float getWaitTime() const { return m_waitTime; }
    Float getTipsAlphaChangeTime() const { return m_tipsAlphaChangeTime; }
    const Vector2& getOffset() const { return m_offset; }

private:
    void hideParts();
    void fade(Float _frameTime);

    std::vector<cControl*> m_tipParts;
    std::vector<sTipPlace> m_partLayout;
    Float m_waitTime = 2.0f;
    Float m_waitLeft = 0;
    // Seconds for a full fade, alpha 0 to 1.
    Float m_tipsAlphaChangeTime = 0.1f;
    // Not kept within 0..1: the last step of a fade may pass either end.
    Float m_tipAlpha = 0;
    Int m_tipMode = TM_FADE_OUT;
    Vector2 m_offset{100, 100};
    // A child of the button.
    cPicture* m_tipPicture;
    cState m_corners[4];
};

// Made in Tips.cpp; another button class is instantiated where it lives, through TipsImpl.h.
extern template class cTips<cAnimButton>;
extern template class cTips<cTextButtonT<cAnimButton>>;
extern template class cTips<cButton>;
extern template class cTips<cOverlayButton>;
