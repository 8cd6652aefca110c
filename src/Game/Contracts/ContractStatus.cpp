#include "Game/Contracts/ContractStatus.h"

#include "engine/logs/ErrorStack.h"
#include "engine/resources/Resource.h"
#include "engine/resources/ResourceManager.h"
#include "engine/resources/SoundManager.h"
#include "engine/text/TextConvert.h"
#include "engine/frame/Timer.h"
#include "engine/files/XML.h"
#include "Game/Contracts/ContractAim.h"
#include "Game/Contracts/ContractDialogs.h"
#include "Game/Contracts/ContractPassConfirm.h"
#include "Game/Contracts/ContractWords.h"
#include "Game/Contracts/SavedContract.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Ui/buttons/CheckButton.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/controls/Picture.h"
#include "Ui/boxes/ProgressFloat.h"
#include "Ui/texts/Text.h"
#include "Ui/views/ViewFile.h"

#include <algorithm>
#include <string>

namespace {

constexpr UInt GOAL_TIP = 18;

iResource* loadSound(iXML* _xml_doc, const char16_t* _name)
{
    const String path = toString((*_xml_doc)[_name]);
    return path.empty() ? nullptr : cResourceManager::getInstance()->getSound(path);
}

} // namespace

void cContractStatus::sReleaseSound::operator()(iResource* _sound) const
{
    _sound->release();
}

cContractStatus::cContractStatus(cView* _parent, UInt _place) : cView(_parent), m_place(_place)
{
    GUARD_BEGIN
    m_substrate = new cPicture(this);
    m_goalButton = new cGoalButton(m_substrate);
    for (UInt row = 0; row < 2; ++row) {
        m_icons[row] = new cPicture(m_substrate);
        m_numbers[row] = new cText(m_substrate);
        m_ticks[row] = new cCheckButton(m_substrate);
    }
    m_timeText = new cText(m_substrate);
    m_progress = new cProgressFloat(m_substrate);
    loadViewFile(this, "ui/gameui/ContractStatus.xml");
    m_goalButton->setOnClick(&cContractStatus::onGoal);
    hide();
    disable();
    GUARD_END("cContractStatus::cContractStatus(cView* _parent, UInt _place)")
}

cContractStatus::~cContractStatus() = default;

Bool cContractStatus::cGoalButton::pointInRect(const Vector2& _point)
{
    return m_card->containsPoint(_point) || cTips<cAnimButton>::pointInRect(_point);
}

void cContractStatus::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cView::loadXML(_xml_doc);
    loadChildPart(_xml_doc, "Substrate", m_substrate);
    loadChildPart(_xml_doc, "GoalButton", m_goalButton);
    loadChildPart(_xml_doc, "ProductIcon01", m_icons[0]);
    loadChildPart(_xml_doc, "ProductIcon02", m_icons[1]);
    loadChildPart(_xml_doc, "Text01", m_numbers[0]);
    loadChildPart(_xml_doc, "Text02", m_numbers[1]);
    loadChildPart(_xml_doc, "TimeRemaindText", m_timeText);
    loadChildPart(_xml_doc, "Progress", m_progress);
    loadChildPart(_xml_doc, "Checked01", m_ticks[0]);
    loadChildPart(_xml_doc, "Checked02", m_ticks[1]);
    m_losSound.reset(loadSound(_xml_doc, u"LosSound"));
    m_winSound.reset(loadSound(_xml_doc, u"WinSound"));
    GUARD_END("void cContractStatus::loadXML(iXML* xml_doc)")
}

void cContractStatus::setup(sContractEvent* _event, Bool _restore)
{
    GUARD_BEGIN
    m_event = _event;
    m_terms = *_event;
    const Bool kept = _restore && cSavedContract::areTermsKept();
    for (UInt i = 0; i < sContractEvent::REQ_COUNT; ++i) {
        // A term the profile lacks, or holds as -1 or as the 0 an ended contract leaves, is the
        // time-line's own: never nothing.
        Int& saved = key::requirement(m_place, i);
        if (kept && saved > 0)
            m_terms.Requirements[i].Count = UInt(saved);
        else
            saved = Int(m_terms.Requirements[i].Count);
    }
    if (kept && key::taskBonus[m_place] >= 0)
        m_terms.Bonus = key::taskBonus[m_place];
    key::taskBonus[m_place] = m_terms.Bonus;
    m_recheck = true;
    m_expired = false;
    if (!_restore)
        setPassCancel(false);
    for (UInt i = 0; i < sContractEvent::REQ_COUNT; ++i)
        if (m_terms.Requirements[i].ReqType == 0)
            m_lastCount[i] = warehouseCount(m_terms.Requirements[i].ProductType);
    enable();
    show();
    const Float total = m_terms.WinTime.toSeconds();
    m_clock.start(total, _restore ? key::taskTime[m_place] : total);
    key::taskTime[m_place] = m_clock.getLeft();
    cSavedContract(cSavedContract::RUNNING, m_place).record(*_event);
    m_active = true;
    showTime();
    drawRequirements();
    GUARD_END("void cContractStatus::setup(sContractEvent* _evnt, Bool _restore)")
}

void cContractStatus::drawRequirements()
{
    GUARD_BEGIN
    const cGame* game = cGame::getInstance();
    UInt row = 0;
    for (const sContractReq& req : m_terms.Requirements) {
        if (req.ReqType != 0 || row >= 2)
            continue;
        const UInt have = std::min(warehouseCount(req.ProductType), req.Count);
        if (const cGame::sProdInfo* info = game ? game->getProdInfo(req.ProductType) : nullptr)
            static_cast<cState&>(*m_icons[row]) = info->Icon;
        m_icons[row]->show();
        if (have < req.Count) {
            m_numbers[row]->setString(toWString(std::to_string(req.Count - have)));
            m_numbers[row]->show();
            m_ticks[row]->hide();
        } else {
            m_numbers[row]->hide();
            m_ticks[row]->show();
        }
        ++row;
    }
    for (; row < 2; ++row) {
        m_icons[row]->hide();
        m_numbers[row]->hide();
        m_ticks[row]->hide();
    }
    GUARD_END("void cContractStatus::drawRequirements()")
}

Bool cContractStatus::allRequirementsMet() const
{
    for (const sContractReq& req : m_terms.Requirements)
        if (req.ReqType == 0 && warehouseCount(req.ProductType) < req.Count)
            return false;
    return true;
}

void cContractStatus::updateRequirementProgress(Bool _first)
{
    GUARD_BEGIN
    if (!m_active)
        return;
    const Bool allMet = allRequirementsMet();
    drawRequirements();
    if (_first)
        return;
    Bool justComplete = false;
    for (UInt i = 0; i < sContractEvent::REQ_COUNT; ++i) {
        const sContractReq& req = m_terms.Requirements[i];
        if (req.ReqType != 0)
            continue;
        justComplete = justComplete || m_lastCount[i] < req.Count;
        m_lastCount[i] = warehouseCount(req.ProductType);
    }
    if (allMet && justComplete)
        if (cContractDialogs* dialogs = cContractDialogs::getInstance())
            dialogs->request(cContractDialogs::PASS_CONFIRM, this);
    GUARD_END("void cContractStatus::updateRequirementProgress(Bool _first)")
}

Bool cContractStatus::clockStands() const
{
    const cTutorialManager* tutorial = cTutorialManager::getInstance();
    return (tutorial && tutorial->isTipRunning()) || cGameMenu::isAnyScreenSliding() || cContractDialogs::isAnyOpen();
}

void cContractStatus::absoluteProcess()
{
    GUARD_BEGIN
    cView::absoluteProcess();
    if (!m_active)
        return;
    if (m_expired) {
        if (getPassCancel() || !pass())
            fail();
        return;
    }
    if (clockStands())
        return;
    cTimer* timer = cTimer::getInstance();
    if (m_clock.step(timer ? timer->getFrameTime() : 0.0f)) {
        key::taskTime[m_place] = m_clock.getLeft();
        showTime();
        if (m_clock.isOver()) {
            m_recheck = true;
            m_expired = true;
        }
    } else if (m_clock.isOver()) {
        // No time was allowed at all: the deadline is now.
        m_recheck = true;
        m_expired = true;
    }
    if (!m_recheck)
        return;
    m_recheck = false;
    setPassCancel(true);
    if (allRequirementsMet())
        if (cContractDialogs* dialogs = cContractDialogs::getInstance())
            dialogs->request(cContractDialogs::PASS_CONFIRM, this);
    GUARD_END("void cContractStatus::absoluteProcess()")
}

void cContractStatus::process()
{
    GUARD_BEGIN
    cView::process();
    cTutorialManager* tutorial = cTutorialManager::getInstance();
    if (m_active && tutorial && tutorial->canRunTip(GOAL_TIP))
        tutorial->runActionTip(GOAL_TIP, m_goalButton);
    GUARD_END("void cContractStatus::process()")
}

void cContractStatus::finish()
{
    m_active = false;
    disable();
    hide();
    cSavedContract(cSavedContract::RUNNING, m_place).clear();
    key::taskBonus[m_place] = -1;
    for (UInt i = 0; i < sContractEvent::REQ_COUNT; ++i)
        key::requirement(m_place, i) = -1;
    if (cGameMenu* menu = cGameMenu::getInstance())
        menu->releaseContractStatus(this);
    // Met or failed, the end of a contract is kept at once (the money and the goods with it:
    // the save waits for the frame's end).
    cGame::requestSave();
}

Bool cContractStatus::pass()
{
    GUARD_BEGIN
    if (!m_active || !allRequirementsMet())
        return false;
    finish();
    cGame::addMoney(std::max(0, m_terms.Bonus));
    if (cWareHouse* warehouse = cWareHouse::getInstance())
        for (const sContractReq& req : m_terms.Requirements)
            if (req.ReqType == 0)
                warehouse->removeGoods(req.ProductType, req.Count, true, false);
    key::awQTask() += 1;
    playSound(m_winSound.get());
    if (!m_terms.WinNote.empty())
        if (cGameMenu* menu = cGameMenu::getInstance())
            menu->addNote(contractWords(m_terms, m_terms.WinNote), false);
    return true;
    GUARD_END("Bool cContractStatus::pass()")
}

void cContractStatus::fail()
{
    GUARD_BEGIN
    if (!m_active)
        return;
    finish();
    playSound(m_losSound.get());
    if (!m_terms.LosNote.empty())
        if (cGameMenu* menu = cGameMenu::getInstance())
            menu->addNote(contractWords(m_terms, m_terms.LosNote), false);
    key::awQTask() = 0;
    if (cContractDialogs* dialogs = cContractDialogs::getInstance())
        dialogs->request(cContractDialogs::FAIL, this);
    GUARD_END("void cContractStatus::fail()")
}

Bool cContractStatus::getPassCancel() const
{
    return key::taskPassCancel[m_place];
}

void cContractStatus::setPassCancel(Bool _cancel)
{
    key::taskPassCancel[m_place] = _cancel;
}

void cContractStatus::addPosition(const Vector2& _pos)
{
    const Vector2& at = m_substrate->getPosition();
    m_substrate->setPosition(Vector2(at.x + _pos.x, at.y + _pos.y));
}

void cContractStatus::setPosition(const Vector2& _pos)
{
    m_substrate->setPosition(_pos);
}

const Vector2& cContractStatus::getPosition() const
{
    return m_substrate->getPosition();
}

void cContractStatus::showTime()
{
    m_progress->setValue(m_clock.getPercent());
    m_progress->progressChanged();
    m_timeText->setString(m_clock.getText());
}

void cContractStatus::onGoal(cView* _view)
{
    GUARD_BEGIN
    cView* substrate = _view ? _view->getParent() : nullptr;
    auto* self = dynamic_cast<cContractStatus*>(substrate ? substrate->getParent() : nullptr);
    if (!self || !self->m_active || cContractDialogs::isAnyOpen())
        return;
    const cTutorialManager* tutorial = cTutorialManager::getInstance();
    if (tutorial && tutorial->isTipRunning() && !tutorial->isCurrentTip(GOAL_TIP))
        return;
    if (self->allRequirementsMet()) {
        if (cContractPassConfirm* confirm = cContractPassConfirm::getInstance())
            confirm->startShow(self);
    } else if (cContractAim* aim = cContractAim::getInstance()) {
        aim->startShow(self);
    }
    GUARD_END("void cContractStatus::onGoal(cView* _view)")
}

UInt cContractStatus::warehouseCount(UInt _type)
{
    const cWareHouse* warehouse = cWareHouse::getInstance();
    return warehouse ? warehouse->getGoodCount(_type) : 0;
}

void cContractStatus::playSound(iResource* _sound)
{
    cSoundManager* sound = cSoundManager::getInstance();
    if (_sound && sound)
        sound->play(_sound);
}
