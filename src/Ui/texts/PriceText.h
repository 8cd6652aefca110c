#pragma once
#include "Ui/texts/Text.h"

// A text for numbers: within each group of three digits, counted from the right, the digits
// close up by a fraction of "DegreeOffset", so a gap opens between the groups.
class cPriceText : public cText {
public:
    explicit cPriceText(cView* _parent);

    // The text's attributes, then "DegreeOffset".
    void loadXML(iXML* _xml_doc) override;
    void makeLetters() override;

    Float getDegreeOffset() const { return m_degreeOffset; }
    void setDegreeOffset(Float _offset);

    static Bool isDigit(char16_t _character) { return _character >= u'0' && _character <= u'9'; }

private:
    Float m_degreeOffset = 4.0f;
};
