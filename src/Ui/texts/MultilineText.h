#pragma once
#include "Ui/controls/Control.h"

#include <list>

class cText;

// A text of several lines: split at line feeds, optionally wrapped at spaces to the control's
// width, one text per line copied from a hidden prototype that carries the font and the other
// text settings, the lines stacked "Interlinear" apart and the block aligned vertically. The
// control draws nothing itself; only its lines are drawn.
class cMultilineText : public cControl {
public:
    explicit cMultilineText(cView* _parent);
    // Takes the settings and a copy of the prototype, but no lines and no text.
    cMultilineText(const cMultilineText& _source);
    ~cMultilineText() override;

    void process() override;
    // The view's switches; the prototype reads the rest of the element as a text. Then the
    // child "Text", "size" (the wrap width is its x), "Localized", "Interlinear", "WrapText"
    // and "VerticalAlign" (missing means 3).
    void loadXML(iXML* _xml_doc) override;
    // Never in the draw set.
    void showed() override;
    void hid() override;
    void setAlpha(const Float& _alpha) override;

    virtual const WString& getText() const { return m_text; }
    // An equal text changes nothing; otherwise the lines are rebuilt now, or at the next
    // process when _now is false.
    virtual void setText(const WString& _text, Bool _now);
    virtual const Bool& getLocalized() const { return m_localized; }
    virtual void setLocalized(const Bool& _localized) { m_localized = _localized; }
    virtual const Bool& getWrapText() const { return m_wrapText; }
    virtual void setWrapText(const Bool& _wrap) { m_wrapText = _wrap; }
    // 0 centred on the position, 1 from the top edge, 2 up to the bottom edge, any other value
    // the first line on the position.
    virtual const UInt& getVerticalAlign() const { return m_verticalAlign; }
    virtual void setVerticalAlign(const UInt& _align) { m_verticalAlign = _align; }
    const Float& getInterlinear() const { return m_interlinear; }
    void setInterlinear(const Float& _interlinear) { m_interlinear = _interlinear; }

    void makeLines();
    // Line _k of the block: a shown, enabled copy of the prototype below the first line.
    cText* newLine(UInt _k);
    // Gives _line the piece, broken at spaces until each line fits the width; every
    // continuation line starts with the space it was broken at. _k counts the lines made.
    void wrapLine(const WString& _piece, UInt& _k, cText* _line);

    // The widest line by the first line's height plus the distances down to the last line.
    Vector2 getTextSize();
    // ARGB of the lines made from now on. Named apart from cControl::setColor.
    void setTextColor(UInt _color);

    cText* getPrototype() const { return m_prototype; }
    const std::list<cText*>& getLines() const { return m_lines; }
    Bool isDirty() const { return m_dirty; }

private:
    void addPiece(const WString& _piece, UInt& _k);
    void alignLines();

    std::list<cText*> m_lines;
    cText* m_prototype;
    WString m_text;
    Bool m_dirty = true;
    Float m_interlinear = 40.0f;
    Bool m_localized = true;
    UInt m_verticalAlign = 3;
    DXColor m_colour;
    Bool m_wrapText = false;
};
