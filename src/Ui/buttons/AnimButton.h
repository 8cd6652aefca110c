#pragma once
#include "Ui/buttons/ButtonPrototype.h"

// A button that shows one animation frame of its picture per state; the animation itself
// stands still.
class cAnimButton : public cButtonPrototype {
public:
    explicit cAnimButton(cView* _parent);
    cAnimButton(const cAnimButton& _source) = default;
    ~cAnimButton() override;

    // The prototype's reading, then "frame_normal", "frame_pressed", "frame_hover" and
    // "frame_disabled"; stops the animation and shows the normal look, or the disabled one
    // when the button is not effectively enabled.
    void loadXML(iXML* _xml_doc) override;
    void setStatePicture(eButtonState _state) override;

    UInt getStateFrame(eButtonState _state) const;

private:
    UInt m_frame_normal = 0;
    UInt m_frame_pressed = 0;
    UInt m_frame_hover = 0;
    UInt m_frame_disabled = 0;
};
