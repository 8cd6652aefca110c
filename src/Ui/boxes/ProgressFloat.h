#pragma once
#include "Ui/controls/Picture.h"

// A picture that shows only the part of itself that matches a value between 0 and a maximum:
// one edge of the quad, and the texture coordinate with it, moves towards the opposite edge as
// the value falls, so the picture is cut, never squeezed. An optional lid sits on the middle
// of the moving edge. Owners write the value and the maximum, then call progressChanged.
class cProgressFloat : public cPicture {
public:
    // Which edge moves; any other value shows the whole picture.
    enum eSide : UInt {
        SIDE_LEFT = 0,   // the bar keeps its right end
        SIDE_RIGHT = 1,  // keeps its left end
        SIDE_TOP = 2,    // keeps its bottom
        SIDE_BOTTOM = 3, // keeps its top
    };

    explicit cProgressFloat(cView* _parent);
    // The lid is a child: a copy would share it.
    cProgressFloat(const cProgressFloat&) = delete;

    virtual const UInt& getSide() { return m_side; }
    // Stores only; the quad follows at the next rebuild.
    virtual void setSide(const UInt& _side) { m_side = _side; }

    // The picture's attributes, then "ProgressMaxValue", "ProgressCurrentValue", "Side" (absent
    // means the left edge moves) and an optional child "Lid".
    void loadXML(iXML* _xml_doc) override;
    // The cut sprite of the current frame; the value is brought within 0..maximum first.
    void makeTransform() override;

    // Marks the quad for rebuilding; a lid is moved to the new edge at once.
    void progressChanged();

    Float getMaximum() const { return m_maximum; }
    void setMaximum(Float _maximum) { m_maximum = _maximum; }
    Float getValue() const { return m_value; }
    void setValue(Float _value) { m_value = _value; }
    cPicture* getLid() const { return m_lid; }

private:
    void clampValue();
    // The share of the picture that shows: 0 for a maximum with no meaning (0, below, undefined).
    Float shownFraction() const;

    Float m_maximum = 100.0f;
    Float m_value = 0;
    UInt m_side = SIDE_TOP;
    // A child view: deleted with the bar.
    cPicture* m_lid = nullptr;
};
