#include "Game/Tutorial/CommonHelpTips.h"

#include "Game/Tutorial/TutorialManager.h"
#include "Ui/ChildParts.h"
#include "Ui/MultilineText.h"
#include "Ui/Picture.h"
#include "Ui/Text.h"
#include "engine/ErrorStack.h"
#include "engine/XML.h"

namespace {

Vector2 difference(const Vector2& _a, const Vector2& _b)
{
    return Vector2(_a.x - _b.x, _a.y - _b.y);
}

Vector2 sum(const Vector2& _a, const Vector2& _b)
{
    return Vector2(_a.x + _b.x, _a.y + _b.y);
}

// Letters stand where their text was laid out: a moved text lays them out again.
void moveText(cText* _text, const Vector2& _shift)
{
    _text->setPosition(sum(_text->getPosition(), _shift));
    _text->makeLetters();
}

} // namespace

cCommonHelpTips::cCommonHelpTips() : cView(nullptr)
{
    m_image = new cPicture(this);
    m_text = new cMultilineText(m_image);
    m_okButton = new cOkButton(m_image);
    m_okButton->setOnClick(&cCommonHelpTips::onOk);
}

void cCommonHelpTips::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cView::loadXML(_xml_doc);
    loadChildPart(_xml_doc, "Image", m_image);
    loadChildPart(_xml_doc, "Text", m_text);
    loadChildPart(_xml_doc, "OkButton", m_okButton);
    m_basePosition = m_image->getPosition();
    m_deep = m_image->getDeep();
    m_textPlace = difference(m_text->getPosition(), m_basePosition);
    m_okPlace = difference(m_okButton->getPosition(), m_basePosition);
    GUARD_END("void cCommonHelpTips::loadXML(iXML* xml_doc)")
}

void cCommonHelpTips::startup(const Vector2& _offset, const WString& _str)
{
    GUARD_BEGIN
    setTipText(_str);
    m_offset = _offset;
    updatePosition();
    open();
    GUARD_END("void cCommonHelpTips::startup(const Vector2& _offset, const WString& _str)")
}

void cCommonHelpTips::updatePosition()
{
    placeImage(sum(m_basePosition, m_offset));
}

void cCommonHelpTips::close()
{
    GUARD_BEGIN
    if (!m_open)
        return;
    m_open = false;
    hideTransparently();
    fadingOut();
    if (cTutorialManager* tutorial = cTutorialManager::getInstance())
        tutorial->onHideTip(this);
    GUARD_END("void cCommonHelpTips::close()")
}

void cCommonHelpTips::onOk(cView* _button)
{
    tipsOf(_button)->close();
}

cCommonHelpTips* cCommonHelpTips::tipsOf(cView* _control)
{
    return static_cast<cCommonHelpTips*>(_control->getParent()->getParent());
}

void cCommonHelpTips::setTipText(const WString& _str)
{
    m_text->setText(_str, true);
}

void cCommonHelpTips::open()
{
    hide();
    showTransparently();
    m_open = true;
}

void cCommonHelpTips::placeImage(const Vector2& _position)
{
    m_image->setPosition(_position);
    m_image->setDeep(m_deep);
    const Vector2 textShift = difference(sum(_position, m_textPlace), m_text->getPosition());
    if (textShift != Vector2(0, 0)) {
        m_text->setPosition(sum(m_text->getPosition(), textShift));
        for (cText* line : m_text->getLines())
            moveText(line, textShift);
    }
    const Vector2 okShift = difference(sum(_position, m_okPlace), m_okButton->getPosition());
    if (okShift != Vector2(0, 0)) {
        m_okButton->setPosition(sum(m_okButton->getPosition(), okShift));
        moveText(m_okButton->getText(), okShift);
    }
}
