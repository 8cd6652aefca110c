#pragma once
#include "Ui/buttons/AnimButton.h"

// Anything that stands on the farm ground. Its depth follows its foot (y + HeightOffset), so
// what stands lower on the screen is drawn in front; a tall object is drawn and hit
// HeightOffset higher than the point it stands on.
class cFieldObject : public cAnimButton {
public:
    using cAnimButton::cAnimButton;

    // The button's keys, then "HeightOffset".
    void loadXML(iXML* _xml_doc) override;
    void setPosition(const Vector2& _position) override;
    void makeTransform() override;
    Bool pointInRect(const Vector2& _point) override;

    Float getHeightOffset() const { return m_heightOffset; }
    // Takes effect at the next setPosition.
    void setHeightOffset(Float _offset);

private:
    Float m_heightOffset = 0;
};
