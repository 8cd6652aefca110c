#include "Game/Tutorial/CommonHelpTips.h"

#include "Game/Tutorial/TutorialManager.h"
#include "input/Input.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/texts/MultilineText.h"
#include "Ui/controls/Picture.h"
#include "Ui/views/ResourceHold.h"
#include "Ui/texts/Text.h"
#include "engine/logs/ErrorStack.h"
#include "engine/frame/Logic.h"
#include "engine/resources/Resource.h"
#include "engine/resources/ResourceManager.h"
#include "engine/resources/SoundManager.h"
#include "engine/frame/Timer.h"
#include "engine/text/TextConvert.h"
#include "engine/files/XML.h"

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

cCommonHelpTips::cCommonHelpTips()
    : cView(nullptr), m_image(new cPicture(this)), m_text(new cMultilineText(m_image)),
      m_okButton(new cOkButton(m_image)), m_pulse(m_okButton)
{
    m_okButton->setOnClick(&cCommonHelpTips::onOk);
}

cCommonHelpTips::~cCommonHelpTips()
{
    listen(false);
    if (m_refuseSound)
        m_refuseSound->release();
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
    const String sound = toString((*_xml_doc)[u"RefuseSound"]);
    if (!sound.empty())
        holdByPath(m_refuseSound, sound, &cResourceManager::getSound);
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

void cCommonHelpTips::process()
{
    GUARD_BEGIN
    cView::process();
    cTimer* timer = cTimer::getInstance();
    m_pulse.step(timer ? timer->getFrameTime() : 0);
    GUARD_END("void cCommonHelpTips::process()")
}

void cCommonHelpTips::close()
{
    GUARD_BEGIN
    shut(&cTutorialManager::onHideTip);
    GUARD_END("void cCommonHelpTips::close()")
}

void cCommonHelpTips::withdraw()
{
    GUARD_BEGIN
    shut(&cTutorialManager::onWithdrawTip);
    GUARD_END("void cCommonHelpTips::withdraw()")
}

void cCommonHelpTips::shut(void (cTutorialManager::*_tell)(cView*))
{
    if (!m_open)
        return;
    m_open = false;
    listen(false);
    m_pulse.stop();
    hideTransparently();
    fadingOut();
    if (cTutorialManager* tutorial = cTutorialManager::getInstance())
        (tutorial->*_tell)(this);
}

void cCommonHelpTips::listen(Bool _on)
{
    cInput* input = cInput::getInstance();
    if (!input)
        return;
    // Bound once at most: a second bind would answer one press twice.
    input->unbind(CONTROL_BUTTON_PRESSED, &cCommonHelpTips::onPress, this);
    if (_on)
        input->bind(CONTROL_BUTTON_PRESSED, &cCommonHelpTips::onPress, this);
}

void cCommonHelpTips::onPress(cView* _view)
{
    GUARD_BEGIN
    auto* tips = static_cast<cCommonHelpTips*>(_view);
    // Under the pause menu the note is out of sight and the press is the menu's.
    if (!tips->m_open || !tips->isVisible())
        return;
    cLogic* logic = cLogic::getInstance();
    if (!logic || tips->m_okButton->pointInRect(logic->getCursor()))
        return;
    tips->m_pulse.start();
    cSoundManager* sound = cSoundManager::getInstance();
    if (sound && tips->m_refuseSound)
        sound->play(tips->m_refuseSound);
    GUARD_END("void cCommonHelpTips::onPress(cView* _view)")
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
    m_pulse.stop();
    listen(holdsGame());
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
