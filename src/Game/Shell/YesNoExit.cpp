#include "Game/Shell/YesNoExit.h"

#include "Ui/controls/ChildParts.h"
#include "Ui/texts/MultilineText.h"
#include "Ui/controls/Picture.h"
#include "Ui/views/ViewFile.h"
#include "engine/logs/ErrorStack.h"
#include "engine/frame/Logic.h"
#include "engine/frame/Timer.h"
#include "engine/files/XML.h"

#include <algorithm>
#include <cmath>

namespace {

const char* const YES_NO_EXIT_XML = "UI/YesNoExit.xml";
const char* const BEE_KEYS[] = {"Bee0", "Bee1", "Bee2"};
const UInt BEE_RESTING = 0;
const UInt BEE_ON_NO = 1;
const UInt BEE_ON_YES = 2;

// How far the yes button gives way, and how fast it moves (logical pixels, per second).
const Float PUSH_DISTANCE = 30.0f;
const Float PUSH_FALLOFF = 0.0125f;
const Float BUTTON_SPEED = 120.0f;

Float length(const Vector2& _v)
{
    return std::sqrt(_v.x * _v.x + _v.y * _v.y);
}

cYesNoExit* dialogOf(cView* _button)
{
    return _button ? static_cast<cYesNoExit*>(_button->getParent()) : nullptr;
}

} // namespace

cYesNoExit::cYesNoExit(cView* _parent) : cBack(_parent)
{
    GUARD_BEGIN
    for (cPicture*& bee : m_bees)
        bee = new cPicture(this);
    m_yes = new cAnswerButton(this);
    m_no = new cAnswerButton(this);
    m_text = new cMultilineText(this);
    m_yes->setOnClick(&cYesNoExit::onYes);
    m_no->setOnClick(&cYesNoExit::onNo);
    m_yes->setOnHover(&cYesNoExit::onYesHover);
    m_no->setOnHover(&cYesNoExit::onNoHover);
    m_yes->setOnUnhover(&cYesNoExit::onUnhover);
    m_no->setOnUnhover(&cYesNoExit::onUnhover);
    loadViewFile(this, YES_NO_EXIT_XML);
    m_home = m_yes->getPosition();
    showBee(BEE_RESTING);
    GUARD_END("cYesNoExit::cYesNoExit(cView* _parent)")
}

cYesNoExit::~cYesNoExit() = default;

void cYesNoExit::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cBack::loadXML(_xml_doc);
    for (UInt index = 0; index < BEE_COUNT; ++index)
        loadChildPart(_xml_doc, BEE_KEYS[index], m_bees[index]);
    loadChildPart(_xml_doc, "YesButton", m_yes);
    loadChildPart(_xml_doc, "NoButton", m_no);
    loadChildPart(_xml_doc, "Text", m_text);
    GUARD_END("void cYesNoExit::loadXML(iXML* xml_doc)")
}

// The button gives way only while the pointer is off it: hovered or held, it stands, so a
// press that began on it also ends on it.
void cYesNoExit::process()
{
    GUARD_BEGIN
    cBack::process();
    const eButtonState state = m_yes->getState();
    if (state == BS_HOVERED || state == BS_PRESSED)
        return;
    cLogic* logic = cLogic::getInstance();
    cTimer* timer = cTimer::getInstance();
    if (!logic || !timer)
        return;
    const Vector2 cursor = logic->getCursor();
    const Vector2 away(m_yes->getPosition().x - cursor.x, m_yes->getPosition().y - cursor.y);
    const Float distance = length(away);
    const Float push = std::max(PUSH_DISTANCE * (1.0f - distance * PUSH_FALLOFF), 0.0f);
    Vector2 goal = m_home;
    if (distance > 0) {
        goal.x += away.x * push / distance;
        goal.y += away.y * push / distance;
    }
    const Vector2 step(goal.x - m_yes->getPosition().x, goal.y - m_yes->getPosition().y);
    const Float stepLength = length(step);
    if (stepLength <= 0)
        return;
    const Float move = std::min(stepLength, BUTTON_SPEED * timer->getFrameTime());
    m_yes->setPosition(Vector2(m_yes->getPosition().x + step.x * move / stepLength,
                               m_yes->getPosition().y + step.y * move / stepLength));
    GUARD_END("void cYesNoExit::process()")
}

void cYesNoExit::showBee(UInt _index)
{
    for (UInt index = 0; index < BEE_COUNT; ++index) {
        if (index == _index)
            m_bees[index]->show();
        else
            m_bees[index]->hide();
    }
}

void cYesNoExit::onYes(cView* _self)
{
    GUARD_BEGIN
    if (cYesNoExit* dialog = dialogOf(_self))
        dialog->m_yesHandler(dialog);
    GUARD_END("void cYesNoExit::onYes(cView* _self)")
}

void cYesNoExit::onNo(cView* _self)
{
    GUARD_BEGIN
    if (cYesNoExit* dialog = dialogOf(_self))
        dialog->m_noHandler(dialog);
    GUARD_END("void cYesNoExit::onNo(cView* _self)")
}

void cYesNoExit::hideDialog(cView* _dialog)
{
    _dialog->hide();
}

void cYesNoExit::onYesHover(cView* _button)
{
    dialogOf(_button)->showBee(BEE_ON_YES);
}

void cYesNoExit::onNoHover(cView* _button)
{
    dialogOf(_button)->showBee(BEE_ON_NO);
}

// A press counts as leaving the button; the mascot keeps looking at a button held down.
void cYesNoExit::onUnhover(cView* _button)
{
    if (static_cast<cAnswerButton*>(_button)->getState() == BS_PRESSED)
        return;
    dialogOf(_button)->showBee(BEE_RESTING);
}
