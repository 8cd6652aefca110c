#pragma once
#include "Ui/texts/Text.h"

class cLetter;

// A one-line text entry. While enabled it takes the characters typed on the keyboard, appends
// those its font draws as long as text, caret and the new glyph stay narrower than MaxLength
// pixels, deletes the last character on Backspace, and shows a blinking caret (the font's
// underscore) at the end of the text. The typed text is shown as it is, never translated. An
// owner may filter or change the characters, and hears of every key that passed the filter.
class cTextBox : public cText {
public:
    // Sees each typed UTF-16 unit first and may change it; false drops it.
    using fCharFilter = Bool (*)(char16_t& _char);
    // Called with the box after each key the filter let through, kept or not.
    using fChangeHandler = void (*)(cView* _box);

    explicit cTextBox(cView* _parent);
    cTextBox(const cTextBox&) = delete;
    // Gives up the keyboard before the text goes.
    ~cTextBox() override;

    // The text's attributes, then "MaxLength" and "BlinkingPeriod"; builds the caret from the
    // font's "_" glyph (no glyph, no visible caret).
    void loadXML(iXML* _xml_doc) override;
    // The caret blinks, then the text lays out when it must.
    void process() override;
    // Takes the typed characters while effectively enabled.
    void enabled() override;
    void disabled() override;
    // The letters, then the caret beside them by the alignment.
    void makeLetters() override;
    void parentTransparenty() override;

    void setFilter(fCharFilter _filter) { m_filter = _filter; }
    void setOnChange(fChangeHandler _handler) { m_onChange = _handler; }
    Float getMaxLength() const { return m_maxLength; }
    void setMaxLength(Float _length) { m_maxLength = _length; }
    Float getBlinkingPeriod() const { return m_blinkingPeriod; }
    void setBlinkingPeriod(Float _period) { m_blinkingPeriod = _period; }
    // Null before loadXML.
    cLetter* getCaret() const { return m_caret; }
    Float getCaretWidth() const { return m_caretWidth; }
    // The caret stands left of the text: the last letter typed was of a right-to-left script.
    Bool isCaretOnLeft() const { return m_rightToLeftCaret; }

    // The character handler bound for each enabled box.
    static void onChar(char16_t _char, cView* _view);

private:
    void type(char16_t _char);
    void append(char16_t _char);
    void erase();
    void turnCaret(char16_t _char);
    void buildCaret();
    void placeCaret();
    // The glyph picture's width and height in pixels, 0 without one.
    Vector2 glyphPictureSize() const;

    Bool m_rightToLeftCaret = false;
    fCharFilter m_filter = nullptr;
    fChangeHandler m_onChange = nullptr;
    // Pixels for text, caret and the next glyph together.
    Float m_maxLength = 10.0f;
    // Seconds on, then as many off.
    Float m_blinkingPeriod = 0.7f;
    Bool m_caretShown = true;
    Float m_blinkClock = 0;
    // A child view: deleted with the box.
    cLetter* m_caret = nullptr;
    Float m_caretWidth = 0;
};
