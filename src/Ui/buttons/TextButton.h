#pragma once
#include "Ui/buttons/AnimButton.h"
#include "Ui/buttons/Button.h"
#include "Ui/texts/Text.h"

// A button with a label. While the button is hovered the label's letters spread up and down,
// alternately, and they glide back when the hover ends or the button is pressed. _BaseClass is
// cButton or cAnimButton.
template <class _BaseClass>
class cTextButtonT : public _BaseClass {
public:
    // The label: a text whose letters move towards their targets at Speed.
    class cBtnText : public cText {
    public:
        explicit cBtnText(cView* _parent);
        // The text's copy with the hover settings; it starts at rest.
        cBtnText(const cBtnText& _source);

        // The text's attributes, then "Offset" and "Speed".
        void loadXML(iXML* _xml_doc) override;
        void process() override;

        // The letters aim at the spread while hovered, at the line otherwise.
        void setHovered(Bool _hovered);
        Bool isHovered() const { return m_hovered; }
        Bool isMoving() const { return m_moving; }
        Float getOffset() const { return m_offset; }
        void setOffset(Float _offset) { m_offset = _offset; }
        Float getSpeed() const { return m_speed; }
        void setSpeed(Float _speed) { m_speed = _speed; }

    private:
        Bool m_hovered = false;
        // How far a spread letter stands from the line.
        Float m_offset = 100.0f;
        // Logical pixels per second.
        Float m_speed = 200.0f;
        Bool m_moving = false;
    };

    explicit cTextButtonT(cView* _parent);
    // The button's copy with a label of its own, as list rows are made.
    cTextButtonT(const cTextButtonT& _button);

    // The state's look, then the label spreads (hovered) or gathers (any other state).
    void setState(eButtonState _state) override;
    // The button, then the label from the child "Text"; the label stands on the button unless
    // "UseTextPosition" is 1, and one deep above it.
    void loadXML(iXML* _xml_doc) override;
    // A string equal to the label's changes nothing.
    void setText(const WString& _str);

    cBtnText* getText() const { return m_text; }

private:
    // A child view: deleted with the button.
    cBtnText* m_text;
};

using cTextButton = cTextButtonT<cButton>;

extern template class cTextButtonT<cButton>;
extern template class cTextButtonT<cAnimButton>;
