#include "Ui/boxes/TextBox.h"

#include "Ui/texts/Letter.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/resources/ResourceManager.h"
#include "engine/frame/Timer.h"
#include "engine/text/ValueConvert.h"
#include "graphics/sprites/Texture.h"
#include "input/Input.h"
#include "platform/Platform.h"

namespace {

constexpr char16_t BACKSPACE = 8;
constexpr char16_t LINE_FEED = 10;
constexpr char16_t ENTER = 13;
constexpr char16_t CARET = u'_';
// Keys from here on belong to scripts beyond Latin, which the right-to-left caret follows.
constexpr char16_t FIRST_WIDE_CHARACTER = 0xFF;
// The caret draws over every letter of the line.
constexpr Float CARET_DEEP = 20.0f;

Bool isHighSurrogate(char16_t _c) { return _c >= 0xD800 && _c <= 0xDBFF; }
Bool isLowSurrogate(char16_t _c) { return _c >= 0xDC00 && _c <= 0xDFFF; }

Bool isRightToLeftKeyboard()
{
    return iPlatform::exists() && iPlatform::getInstance()->getSystem().isRightToLeftKeyboard();
}

} // namespace

cTextBox::cTextBox(cView* _parent) : cText(_parent)
{
    setLocalized(false);
}

cTextBox::~cTextBox()
{
    if (cInput* input = cInput::getInstance())
        input->unbindKeyboardHandler(&cTextBox::onChar, this);
}

void cTextBox::enabled()
{
    cText::enabled();
    if (cInput* input = cInput::getInstance())
        input->bindKeyboard(&cTextBox::onChar, this);
}

void cTextBox::disabled()
{
    cText::disabled();
    if (cInput* input = cInput::getInstance())
        input->unbindKeyboardHandler(&cTextBox::onChar, this);
}

void cTextBox::onChar(char16_t _char, cView* _view)
{
    static_cast<cTextBox*>(_view)->type(_char);
}

void cTextBox::type(char16_t _char)
{
    if (m_filter && !m_filter(_char))
        return;
    turnCaret(_char);
    switch (_char) {
    case BACKSPACE: erase(); break;
    case LINE_FEED:
    case ENTER: break;
    default: append(_char); break;
    }
    if (m_onChange)
        m_onChange(this);
}

void cTextBox::turnCaret(char16_t _char)
{
    const Bool before = m_rightToLeftCaret;
    m_rightToLeftCaret = false;
    if (getRightToLeft() && isRightToLeftKeyboard()) {
        if (_char == BACKSPACE)
            m_rightToLeftCaret = before;
        else if (_char >= FIRST_WIDE_CHARACTER)
            m_rightToLeftCaret = true;
    }
    if (m_rightToLeftCaret != before)
        setLettersDirty();
}

void cTextBox::erase()
{
    WString text = getString();
    if (text.empty())
        return;
    // A character beyond the first plane goes as a whole, never leaving half of it behind.
    const Bool pair = text.size() >= 2 && isLowSurrogate(text.back()) && isHighSurrogate(text[text.size() - 2]);
    text.erase(text.size() - (pair ? 2 : 1));
    setString(text);
}

void cTextBox::append(char16_t _char)
{
    sGlyph glyph;
    if (!findGlyph(_char, glyph))
        return;
    const Float glyphWidth = glyph.advance * glyphPictureSize().x;
    if (m_caretWidth + getWidth() + glyphWidth < m_maxLength)
        setString(getString() + _char);
}

Vector2 cTextBox::glyphPictureSize() const
{
    const String& path = getTexturePath();
    cResourceManager* manager = cResourceManager::getInstance();
    if (path.empty() || !manager)
        return Vector2(0, 0);
    iResource* resource = manager->getTexture(path);
    Vector2 size(0, 0);
    if (const auto* texture = dynamic_cast<const cTexture*>(resource))
        size = Vector2(Float(texture->getTextureWidth()) * texture->getUScale(),
                       Float(texture->getTextureHeight()) * texture->getVScale());
    if (resource)
        resource->release();
    return size;
}

void cTextBox::process()
{
    GUARD_BEGIN
    cTimer* timer = cTimer::getInstance();
    m_blinkClock += timer ? timer->getFrameTime() : 0;
    if (m_blinkClock > m_blinkingPeriod) {
        m_blinkClock = 0;
        m_caretShown = !m_caretShown;
        if (m_caret) {
            if (m_caretShown)
                m_caret->show();
            else
                m_caret->hide();
        }
    }
    cText::process();
    GUARD_END("void cTextBox::process()")
}

void cTextBox::makeLetters()
{
    GUARD_BEGIN
    cText::makeLetters();
    placeCaret();
    GUARD_END("void cTextBox::makeLetters()")
}

void cTextBox::placeCaret()
{
    if (!m_caret)
        return;
    const Float p = getPosition().x, w = cText::getWidth(), c = m_caretWidth;
    const Float side = m_rightToLeftCaret ? -1.0f : 1.0f;
    Float x = m_caret->getPosition().x;
    switch (getAlign()) {
    case 0: x = p + side * (w + c) / 2; break;
    case 1: x = p + side * (w + c / 2); break;
    case 2: x = p + side * c / 2; break;
    default: break;
    }
    m_caret->setPositionXY(x, getPosition().y);
}

void cTextBox::parentTransparenty()
{
    GUARD_BEGIN
    cText::parentTransparenty();
    if (m_caret)
        m_caret->setTransformDirty();
    GUARD_END("void cTextBox::parentTransparenty()")
}

void cTextBox::buildCaret()
{
    if (!m_caret)
        m_caret = new cLetter(this);
    sGlyph glyph;
    if (!findGlyph(CARET, glyph))
        return;
    const Vector2 picture = glyphPictureSize();
    m_caret->setTextureRect(glyph.left, 1 - glyph.top, glyph.right, 1 - glyph.bottom);
    m_caret->setPicture(getTexturePath());
    m_caret->setSize(Vector2((glyph.right - glyph.left) * picture.x * getMultiplier(),
                             (glyph.top - glyph.bottom) * picture.y * getMultiplier()));
    m_caret->setDeep(getDeep() + CARET_DEEP);
    m_caret->setAlpha(getAlpha());
    m_caret->setLetterColor(getTextColor());
    m_caret->setRenderType(getRenderType());
    m_caret->show();
    m_caret->enable();
    m_caretShown = true;
    m_caretWidth = glyph.advance * picture.x;
}

void cTextBox::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cText::loadXML(_xml_doc);
    readXmlAttribute(_xml_doc, u"MaxLength", m_maxLength, toFloat);
    readXmlAttribute(_xml_doc, u"BlinkingPeriod", m_blinkingPeriod, toFloat);
    buildCaret();
    placeCaret();
    GUARD_END("void cTextBox::loadXML(iXML* xml_doc)")
}
