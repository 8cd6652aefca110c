#include "Game/Contracts/ContractProvide.h"

#include "engine/logs/ErrorStack.h"
#include "Game/Contracts/ContractDialogs.h"
#include "Game/Contracts/ContractWords.h"
#include "Game/Farm/Letters/ContractLetterSlot.h"
#include "Game/Farm/Farm.h"
#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Timeline/GameEvent.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/texts/MultilineText.h"
#include "Ui/views/ViewFile.h"

namespace {

constexpr UInt ACCEPT_TIP = 42;

} // namespace

cContractProvide::cContractProvide(cView* _parent) : cContractAimBase(_parent)
{
    GUARD_BEGIN
    m_yes = new cDialogButton(this);
    m_wait = new cDialogButton(this);
    m_timeText = new cText(this);
    m_timeValue = new cText(this);
    loadViewFile(this, "Gameplay/ContractProvide.xml");
    m_yes->setOnClick(&cContractProvide::onYes);
    m_wait->setOnClick(&cContractProvide::onWait);
    hide();
    GUARD_END("cContractProvide::cContractProvide(cView* _parent)")
}

void cContractProvide::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cContractAimBase::loadXML(_xml_doc);
    loadChildPart(_xml_doc, "YesButton", m_yes);
    loadChildPart(_xml_doc, "WaitButton", m_wait);
    loadChildPart(_xml_doc, "TimeText", m_timeText);
    loadChildPart(_xml_doc, "TimeTextValue", m_timeValue);
    GUARD_END("void cContractProvide::loadXML(iXML* xml_doc)")
}

void cContractProvide::startShow(cContractLetterSlot* _slot)
{
    GUARD_BEGIN
    sContractEvent* event = _slot ? _slot->getEvent() : nullptr;
    if (!event || isOpen() || cContractDialogs::isAnyOpen())
        return;
    m_slot = _slot;
    getNote()->setText(contractWords(*event, event->note), true);
    setupLines(*event, false);
    setMoney(*event, true, true);
    m_timeValue->setString(event->WinTime.toString(true));
    const cGameMenu* menu = cGameMenu::getInstance();
    const Bool placeFree = !menu || menu->getBusyStatusCount() < cGameMenu::PLACE_COUNT;
    if (placeFree && key::Money() >= event->Penalty)
        m_yes->enable();
    else
        m_yes->disable();
    open();
    GUARD_END("void cContractProvide::startShow(cContractLetterSlot* _slot)")
}

void cContractProvide::onYes(cView* /*_view*/)
{
    GUARD_BEGIN
    cContractProvide* self = getInstance();
    if (!self || !self->isOpen() || !self->m_slot)
        return;
    cContractLetterSlot* slot = self->m_slot;
    sContractEvent* event = slot->getEvent();
    self->m_slot = nullptr;
    self->close();
    if (cFarm* farm = cFarm::getInstance())
        farm->clearLetterSlot(slot);
    if (!event)
        return;
    cGame::addMoney(-LongLong(event->Penalty));
    if (cGameMenu* menu = cGameMenu::getInstance())
        menu->acceptContract(event);
    cGame::requestSave();
    GUARD_END("void cContractProvide::onYes(cView* _view)")
}

void cContractProvide::onWait(cView* /*_view*/)
{
    GUARD_BEGIN
    cContractProvide* self = getInstance();
    if (!self || !self->isOpen())
        return;
    self->m_slot = nullptr;
    self->close();
    GUARD_END("void cContractProvide::onWait(cView* _view)")
}

void cContractProvide::letterGone(const cContractLetterSlot* _slot)
{
    if (_slot && _slot == m_slot)
        onWait(this);
}

void cContractProvide::process()
{
    GUARD_BEGIN
    cContractAimBase::process();
    cTutorialManager* tutorial = cTutorialManager::getInstance();
    if (isOpen() && !m_yes->isEnabled() && tutorial && tutorial->canRunTip(ACCEPT_TIP))
        tutorial->runActionTip(ACCEPT_TIP, m_yes);
    GUARD_END("void cContractProvide::process()")
}
