#include "Ui/buttons/TextButton.h"

#include "Ui/texts/Letter.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/frame/Timer.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"

namespace {

Float sign(Float _value)
{
    return _value > 0 ? 1.0f : _value < 0 ? -1.0f : 0.0f;
}

} // namespace

template <class _BaseClass>
cTextButtonT<_BaseClass>::cBtnText::cBtnText(cView* _parent) : cText(_parent)
{
}

template <class _BaseClass>
cTextButtonT<_BaseClass>::cBtnText::cBtnText(const cBtnText& _source)
    : cText(_source), m_hovered(_source.m_hovered), m_offset(_source.m_offset), m_speed(_source.m_speed)
{
}

template <class _BaseClass>
void cTextButtonT<_BaseClass>::cBtnText::setHovered(Bool _hovered)
{
    m_hovered = _hovered;
    m_moving = true;
}

template <class _BaseClass>
void cTextButtonT<_BaseClass>::cBtnText::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cText::loadXML(_xml_doc);
    readXmlAttribute(_xml_doc, u"Offset", m_offset, toFloat);
    readXmlAttribute(_xml_doc, u"Speed", m_speed, toFloat);
    GUARD_END("void cTextButtonT<_BaseClass>::cBtnText::loadXML(iXML* xml_doc)")
}

template <class _BaseClass>
void cTextButtonT<_BaseClass>::cBtnText::process()
{
    GUARD_BEGIN
    // A new layout puts every letter back on the line; only a change of state sends them off.
    cText::process();
    if (!m_moving)
        return;
    cTimer* timer = cTimer::getInstance();
    const Float step = m_speed * (timer ? timer->getFrameTime() : 0);
    const Float line = getPosition().y;
    Float side = 1;
    Bool moved = false;
    for (cLetter* letter : getLetters()) {
        const Float target = m_hovered ? line + side * m_offset : line;
        side = -side;
        const Vector2 at = letter->getPosition();
        if (at.y == target)
            continue;
        moved = true;
        const Float direction = sign(target - at.y);
        Float y = at.y + direction * step;
        // The step that would pass the target lands on it.
        if (sign(target - y) != direction)
            y = target;
        letter->setPosition(Vector2(at.x, y));
    }
    m_moving = moved;
    GUARD_END("void cTextButtonT<_BaseClass>::cBtnText::process()")
}

template <class _BaseClass>
cTextButtonT<_BaseClass>::cTextButtonT(cView* _parent) : _BaseClass(_parent), m_text(nullptr)
{
    GUARD_BEGIN
    m_text = new cBtnText(this);
    GUARD_END("cTextButtonT<_BaseClass>::cTextButtonT(cView *_parent)")
}

template <class _BaseClass>
cTextButtonT<_BaseClass>::cTextButtonT(const cTextButtonT& _button) : _BaseClass(_button), m_text(nullptr)
{
    GUARD_BEGIN
    m_text = new cBtnText(*_button.m_text);
    m_text->setParent(this);
    GUARD_END("cTextButtonT<_BaseClass>::cTextButtonT(const cTextButton& _button)")
}

template <class _BaseClass>
void cTextButtonT<_BaseClass>::setState(eButtonState _state)
{
    GUARD_BEGIN
    _BaseClass::setState(_state);
    // The label exists from the base's construction on; a base constructor may set a state.
    if (!m_text)
        return;
    switch (_state) {
    case BS_HOVERED: m_text->setHovered(true); break;
    case BS_DISABLED:
    case BS_NORMAL:
    case BS_PRESSED: m_text->setHovered(false); break;
    default: break;
    }
    GUARD_END("void cTextButtonT<_BaseClass>::setState(eButtonState _state)")
}

template <class _BaseClass>
void cTextButtonT<_BaseClass>::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    _BaseClass::loadXML(_xml_doc);
    iXML* text = nullptr;
    if (_xml_doc->get("Text", text))
        m_text->loadXML(text);
    Bool useTextPosition = false;
    readXmlAttribute(_xml_doc, u"UseTextPosition", useTextPosition, toBool);
    if (!useTextPosition)
        m_text->setPosition(this->getPosition());
    m_text->setDeep(this->getDeep() + 1.0f);
    this->setTransformDirty();
    GUARD_END("void cTextButtonT<_BaseClass>::loadXML(iXML* xml_doc)")
}

template <class _BaseClass>
void cTextButtonT<_BaseClass>::setText(const WString& _str)
{
    GUARD_BEGIN
    if (m_text->getString() != _str)
        m_text->setString(_str);
    GUARD_END("void cTextButtonT<_BaseClass>::setText(const WString& _str)")
}

template class cTextButtonT<cButton>;
template class cTextButtonT<cAnimButton>;
