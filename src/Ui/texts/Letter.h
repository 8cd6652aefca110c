#pragma once
#include "Ui/controls/Control.h"

// One glyph of a bitmap-font text, drawn as one sprite. Its text control places it and gives
// it the glyph's part of the font picture; the letter's own colour gives red, green and blue,
// while its alpha comes from the text's fade and the control's alpha.
class cLetter : public cControl {
public:
    struct sTextureRect {
        Float left = 0, top = 0, right = 1, bottom = 1;
    };

    explicit cLetter(cView* _parent);

    void makeTransform() override;

    // ARGB; only red, green and blue are used. Named apart from cControl::getColor, which
    // gives the control's channels.
    virtual UInt& getLetterColor() { return m_letterColor; }
    // Marks the letter dirty only on a change.
    virtual void setLetterColor(const UInt& _color);
    virtual sTextureRect& getTextureRect() { return m_textureRect; }
    // Marks the letter dirty only when some edge differs exactly.
    virtual void setTextureRect(Float _left, Float _top, Float _right, Float _bottom);

private:
    sTextureRect m_textureRect;
    UInt m_letterColor = 0xFFFFFFFF;
};
