#include "Ui/texts/Text.h"

#include "Ui/texts/Letter.h"
#include "Ui/views/ResourceHold.h"
#include "Ui/views/UI.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/resources/ResourceManager.h"
#include "engine/settings/Settings.h"
#include "engine/text/StringManager.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "graphics/sprites/Font.h"
#include "graphics/sprites/Texture.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr char16_t SPACE = u' ';

// Deep added per character, so that later letters draw over earlier ones.
constexpr Float LETTER_DEEP_STEP = 0.01f;

Bool isLatinOrDigit(char16_t _c)
{
    return (_c >= u'0' && _c <= u'9') || (_c >= u'A' && _c <= u'Z') || (_c >= u'a' && _c <= u'z');
}

template <class T>
Bool changeField(T& _field, const T& _value)
{
    if (_field == _value)
        return false;
    _field = _value;
    return true;
}

iResource* share(iResource* _resource)
{
    return _resource ? _resource->addRef() : nullptr;
}

} // namespace

cText::cText(cView* _parent) : cControl(_parent), m_rightToLeft(readRightToLeft()) {}

cText::cText(const cText& _source)
    : cControl(_source), m_fontPath(_source.m_fontPath), m_texturePath(_source.m_texturePath),
      m_spaceWidth(_source.m_spaceWidth), m_color(_source.m_color), m_multiplier(_source.m_multiplier),
      m_width(_source.m_width), m_height(_source.m_height), m_align(_source.m_align),
      m_localized(_source.m_localized), m_font(share(_source.m_font)), m_texture(share(_source.m_texture)),
      m_rightToLeft(readRightToLeft())
{
    setString(_source.m_text);
}

cText::~cText()
{
    if (m_font)
        m_font->release();
    if (m_texture)
        m_texture->release();
}

Bool cText::readRightToLeft()
{
    Bool rightToLeft = false;
    if (cSettings* settings = cSettings::getInstance())
        settings->getPropertyT("game", "RightToLeftEnable", rightToLeft);
    return rightToLeft;
}

void cText::setRightToLeft(Bool _rightToLeft)
{
    if (m_rightToLeft != _rightToLeft) {
        m_rightToLeft = _rightToLeft;
        m_lettersDirty = true;
    }
}

void cText::setString(const WString& _string)
{
    if (_string == m_text)
        return;
    m_text = _string;
    fitLetters(countDrawable(getShownString()));
    m_lettersDirty = true;
    // Nothing would lay out a text that is shown but not processed.
    if (isVisible() && !(isEnabled() && isChainEnabled()))
        makeLetters();
}

WString cText::getShownString() const
{
    WString shown = m_text;
    if (m_localized && cStringManager::exists())
        shown = cStringManager::getInstance()->getString(m_text);
    return m_rightToLeft ? rotateString(shown) : shown;
}

Bool cText::findGlyph(char16_t _character, sGlyph& _glyph) const
{
    const auto* font = dynamic_cast<const cFont*>(m_font);
    return font && font->getLetter(_character, _glyph);
}

size_t cText::countDrawable(const WString& _shown) const
{
    if (!m_font || !m_texture)
        return 0;
    sGlyph glyph;
    return size_t(std::count_if(_shown.begin(), _shown.end(),
                                [&](char16_t _c) { return _c != SPACE && findGlyph(_c, glyph); }));
}

void cText::fitLetters(size_t _count)
{
    while (m_letters.size() > _count) {
        cLetter* letter = m_letters.front();
        m_letters.pop_front();
        delete letter;
    }
    while (m_letters.size() < _count)
        m_letters.push_back(new cLetter(this));
}

void cText::makeLetters()
{
    GUARD_BEGIN
    const WString shown = getShownString();
    // The font, the translation or the direction may have changed since setString counted.
    fitLetters(countDrawable(shown));
    m_width = 0;
    m_height = 0;
    auto* texture = dynamic_cast<cTexture*>(m_texture);
    if (texture && m_font) {
        const Float tw = Float(texture->getTextureWidth()) * texture->getUScale();
        const Float th = Float(texture->getTextureHeight()) * texture->getVScale();
        const Vector2 at = getPosition();
        Float x = 0;
        auto next = m_letters.begin();
        for (size_t i = 0; i < shown.size(); ++i) {
            sGlyph glyph;
            if (shown[i] == SPACE) {
                x += m_spaceWidth;
                m_width += m_multiplier * m_spaceWidth;
                continue;
            }
            if (!findGlyph(shown[i], glyph))
                continue;
            cLetter* letter = *next++;
            letter->setTextureRect(glyph.left, 1 - glyph.top, glyph.right, 1 - glyph.bottom);
            if (letter->getPicture() != m_texture)
                letter->setPicture(m_texturePath);
            letter->setSize(Vector2((glyph.right - glyph.left) * tw * m_multiplier,
                                    (glyph.top - glyph.bottom) * th * m_multiplier));
            const Float advance = glyph.advance * tw;
            x += advance / 2;
            letter->setPosition(Vector2(at.x + m_multiplier * x, at.y));
            x += advance / 2;
            letter->setDeep(getDeep() + LETTER_DEEP_STEP * Float(i));
            letter->setAlpha(getAlpha());
            letter->setLetterColor(m_color);
            letter->setRenderType(getRenderType());
            if (!letter->isOwnVisible())
                letter->show();
            letter->enable();
            m_width += advance * m_multiplier;
            m_height = std::max(m_height, std::fabs(letter->getSize().y));
        }
        const Float offset = m_align == 0 ? -m_width / 2 : m_align == 2 ? -m_width : 0;
        if (offset != 0)
            for (cLetter* letter : m_letters)
                letter->setPosition(Vector2(letter->getPosition().x + offset, letter->getPosition().y));
    }
    m_lettersDirty = false;
    GUARD_END("void cText::makeLetters()")
}

Bool cText::measureCharacters(const WString& _string, std::vector<Float>& _widths) const
{
    if (m_localized && cStringManager::exists())
        return false;
    _widths.assign(_string.size(), 0.0f);
    auto* texture = dynamic_cast<cTexture*>(m_texture);
    if (!texture || !m_font)
        return true;
    // The same products as the layout's, so that each width is the one it adds.
    const Float tw = Float(texture->getTextureWidth()) * texture->getUScale();
    for (size_t i = 0; i < _string.size(); ++i) {
        sGlyph glyph;
        if (_string[i] == SPACE)
            _widths[i] = m_multiplier * m_spaceWidth;
        else if (findGlyph(_string[i], glyph)) {
            const Float advance = glyph.advance * tw;
            _widths[i] = advance * m_multiplier;
        }
    }
    return true;
}

WString cText::rotateString(const WString& _string)
{
    GUARD_BEGIN
    WString result, run;
    result.reserve(_string.size());
    auto flush = [&] {
        result.append(run.rbegin(), run.rend());
        run.clear();
    };
    for (auto c = _string.rbegin(); c != _string.rend(); ++c) {
        if (isLatinOrDigit(*c)) {
            run.push_back(*c);
            continue;
        }
        flush();
        result.push_back(*c);
    }
    flush();
    return result;
    GUARD_END("const WString& cText::rotateString(const WString& s)")
}

void cText::process()
{
    GUARD_BEGIN
    if (m_lettersDirty)
        makeLetters();
    cView::process();
    GUARD_END("void cText::process()")
}

void cText::showed()
{
    GUARD_BEGIN
    // Enabled before the layout as well as with the children: a text that reacts to being
    // enabled sees its old letters first.
    if (isEnabled() && isChainEnabled())
        enabled();
    makeLetters();
    // cView's form, not cControl's: only the letters are drawn.
    cView::showed();
    GUARD_END("void cText::showed()")
}

void cText::disabled()
{
    GUARD_BEGIN
    if (m_lettersDirty)
        makeLetters();
    cView::disabled();
    GUARD_END("void cText::disabled()")
}

void cText::setAlpha(const Float& _alpha)
{
    GUARD_BEGIN
    cControl::setAlpha(_alpha);
    for (cLetter* letter : m_letters)
        letter->setAlpha(_alpha);
    GUARD_END("void cText::setAlpha(const Float& v)")
}

void cText::setDeep(const Float& _deep)
{
    GUARD_BEGIN
    cControl::setDeep(_deep);
    cUI::removeDrawn(this);
    GUARD_END("void cControl::setDeep(const Float& v)")
}

void cText::setTexture(const String& _path)
{
    if (_path == m_texturePath)
        return;
    holdByPath(m_texture, _path, &cResourceManager::getTexture);
    m_texturePath = _path;
    m_lettersDirty = true;
}

void cText::setFont(const String& _path)
{
    if (_path == m_fontPath)
        return;
    holdByPath(m_font, _path, &cResourceManager::getFont);
    m_fontPath = _path;
    m_lettersDirty = true;
}

void cText::setTextColor(const UInt& _color) { m_lettersDirty |= changeField(m_color, _color); }
void cText::setMultiplier(const Float& _multiplier) { m_lettersDirty |= changeField(m_multiplier, _multiplier); }
void cText::setSpaceWidth(const Float& _width) { m_lettersDirty |= changeField(m_spaceWidth, _width); }
void cText::setAlign(const UInt& _align) { m_lettersDirty |= changeField(m_align, _align); }

Float cText::getWidth()
{
    GUARD_BEGIN
    if (m_lettersDirty)
        makeLetters();
    return m_width;
    GUARD_END("Float cText::getWidth()")
}

Float cText::getHeight()
{
    GUARD_BEGIN
    if (m_lettersDirty)
        makeLetters();
    return m_height;
    GUARD_END("Float cText::getHeight()")
}

void cText::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cControl::loadXML(_xml_doc);
    const WString string = (*_xml_doc)[u"String"];
    const String texture = toString((*_xml_doc)[u"Texture"]);
    const String font = toString((*_xml_doc)[u"Font"]);
    readXmlAttribute(_xml_doc, u"SpaceWidth", m_spaceWidth, toFloat);
    readXmlAttribute(_xml_doc, u"Multiplier", m_multiplier, toFloat);
    readXmlAttribute(_xml_doc, u"Localized", m_localized, toBool);
    setTexture(texture);
    setFont(font);
    readXmlAttribute(_xml_doc, u"Align", m_align, toUInt);
    if (const WString* color = findXmlAttribute(_xml_doc, u"Color")) {
        DXColor channels;
        colorFromARGB(channels, m_color);
        m_color = UInt(colorToARGB(toDXColor(channels, *color)));
    }
    setString(string);
    makeLetters();
    GUARD_END("void cText::loadXML(iXML* xml_doc)")
}
