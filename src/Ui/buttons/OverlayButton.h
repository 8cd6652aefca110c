#pragma once
#include "Ui/buttons/Button.h"

class cPicture;

// A textured button that lights a coloured overlay while hovered or pressed. Meanwhile the
// button writes its own shape into the stencil (render-type bit 0x4), and the overlay,
// drawn just above it with overlay blending inside that shape (render type 9), colours
// exactly the button's visible pixels.
class cOverlayButton : public cButton {
public:
    // The overlay is a child picture without texture: a plain coloured quad.
    explicit cOverlayButton(cView* _parent);
    // A copy would share the overlay, which belongs to the source.
    cOverlayButton(const cOverlayButton&) = delete;
    ~cOverlayButton() override;

    // The button's reading; the overlay takes the button's place, 0.001 above its deep, and
    // the colour "OverlayColor" (ARGB, BDBDBDFF when absent).
    void loadXML(iXML* _xml_doc) override;
    void setStatePicture(eButtonState _state) override;

    cPicture* getOverlay() const { return m_overlay; }

private:
    cPicture* m_overlay;
};
