#include "Ui/texts/PriceText.h"

#include "Ui/texts/Letter.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/ValueConvert.h"

cPriceText::cPriceText(cView* _parent) : cText(_parent) {}

void cPriceText::setDegreeOffset(Float _offset)
{
    if (_offset != m_degreeOffset) {
        m_degreeOffset = _offset;
        setLettersDirty();
    }
}

void cPriceText::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cText::loadXML(_xml_doc);
    readXmlAttribute(_xml_doc, u"DegreeOffset", m_degreeOffset, toFloat);
    setLettersDirty();
    GUARD_END("void cPriceText::loadXML(iXML* xml_doc)")
}

void cPriceText::makeLetters()
{
    GUARD_BEGIN
    cText::makeLetters();
    // Letters and characters are both paired from the end, each letter with the character it
    // shows, so any character that is not a digit (a space too) starts a new group.
    const WString shown = getShownString();
    auto letter = getLetters().rbegin();
    UInt digits = 0;
    for (auto c = shown.rbegin(); c != shown.rend() && letter != getLetters().rend(); ++c) {
        sGlyph glyph;
        const Bool hasLetter = *c != u' ' && findGlyph(*c, glyph);
        if (!hasLetter || !isDigit(*c)) {
            digits = 0;
            if (hasLetter)
                ++letter;
            continue;
        }
        const Vector2& at = (*letter)->getPosition();
        (*letter)->setPosition(Vector2(at.x + Float(digits % 3) * m_degreeOffset / 3, at.y));
        ++digits;
        ++letter;
    }
    GUARD_END("void cPriceText::makeLetters()")
}
