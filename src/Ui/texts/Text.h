#pragma once
#include "Ui/controls/Control.h"
#include "graphics/sprites/FontFile.h"

#include <list>
#include <vector>

class cLetter;

// One line of bitmap-font text. The text itself is never drawn: it owns one letter per drawable
// character, as children, and lays them out from the font's glyphs and the glyph picture. The
// string may be a key of the string table, translated at layout time. Letters are rebuilt lazily
// in process, or at once when the width or height is asked for.
class cText : public cControl {
public:
    explicit cText(cView* _parent);
    // Copies the settings and the string, never the letters; a copy lays out by itself.
    cText(const cText& _source);
    ~cText() override;

    void process() override;
    // The control's attributes, then "String", "Texture", "Font", "SpaceWidth", "Multiplier",
    // "Localized", "Align" and "Color"; an empty or missing path leaves the text without it.
    void loadXML(iXML* _xml_doc) override;
    void showed() override;
    void disabled() override;
    // Every letter takes the same alpha.
    void setAlpha(const Float& _alpha) override;
    // The letters follow; the text itself never enters the draw set.
    void setDeep(const Float& _deep) override;

    // Paths of the glyph picture and the font; an equal path changes nothing, an empty one
    // means none (a text without both shows no letters).
    virtual const String& getTexturePath() const { return m_texturePath; }
    virtual void setTexture(const String& _path);
    virtual const String& getFontPath() const { return m_fontPath; }
    virtual void setFont(const String& _path);
    // ARGB given to every letter. Named apart from cControl::getColor, the control's channels.
    virtual UInt& getTextColor() { return m_color; }
    virtual void setTextColor(const UInt& _color);
    virtual Float& getMultiplier() { return m_multiplier; }
    virtual void setMultiplier(const Float& _multiplier);
    virtual Float& getSpaceWidth() { return m_spaceWidth; }
    virtual void setSpaceWidth(const Float& _width);
    // 0 centred on the position, 1 starting at it, 2 ending at it.
    virtual UInt& getAlign() { return m_align; }
    virtual void setAlign(const UInt& _align);
    // Laid out first when the letters are out of date.
    virtual Float getWidth();
    virtual Float getHeight();
    virtual Bool& getLocalized() { return m_localized; }
    // Takes effect at the next layout.
    virtual void setLocalized(const Bool& _localized) { m_localized = _localized; }
    // Places one letter per drawable character of the (translated) string.
    virtual void makeLetters();

    // The string last set: a key of the string table when Localized. An equal string changes
    // nothing, even when the translation would differ now.
    void setString(const WString& _string);
    const WString& getString() const { return m_text; }
    const std::list<cLetter*>& getLetters() const { return m_letters; }
    Bool isLettersDirty() const { return m_lettersDirty; }
    Bool getRightToLeft() const { return m_rightToLeft; }
    void setRightToLeft(Bool _rightToLeft);

    // What each character of _string adds to the width when this text shows it: a space its
    // space width, a drawable character its advance, anything else nothing (all nothing without
    // a font and a picture). False, and nothing measured, when the string would be translated.
    Bool measureCharacters(const WString& _string, std::vector<Float>& _widths) const;

    // Right-to-left order: the characters reversed, except that each run of Latin letters and
    // digits keeps its own order ("abc 12" gives "12 abc").
    static WString rotateString(const WString& _string);

protected:
    void setLettersDirty() { m_lettersDirty = true; }
    // The string as shown: translated when Localized, turned when right to left.
    WString getShownString() const;
    // True when the text's font draws _character; false without a font.
    Bool findGlyph(char16_t _character, sGlyph& _glyph) const;

private:
    // Exactly _count letters, the surplus taken from the front, new ones appended.
    void fitLetters(size_t _count);
    size_t countDrawable(const WString& _shown) const;
    static Bool readRightToLeft();

    WString m_text;
    std::list<cLetter*> m_letters;
    Bool m_lettersDirty = true;
    String m_fontPath;
    String m_texturePath;
    Float m_spaceWidth = 10.0f;
    UInt m_color = 0xFFFFFFFF;
    Float m_multiplier = 1.0f;
    Float m_width = 0;
    Float m_height = 0;
    UInt m_align = 0;
    Bool m_localized = true;
    iResource* m_font = nullptr;
    iResource* m_texture = nullptr;
    Bool m_rightToLeft = false;
};
