#include "Game/Farm/Letters/ContractLetterSlot.h"

#include "engine/logs/ErrorStack.h"
#include "engine/files/FileManager.h"
#include "engine/logs/LogManager.h"
#include "engine/resources/Resource.h"
#include "engine/resources/ResourceManager.h"
#include "engine/resources/SoundManager.h"
#include "engine/text/TextConvert.h"
#include "engine/frame/Timer.h"
#include "engine/text/ValueConvert.h"
#include "Game/Contracts/ContractProvide.h"
#include "Game/Contracts/SavedContract.h"
#include "Game/Farm/Farm.h"
#include "Game/GameKeys.h"
#include "Game/Timeline/GameEvent.h"
#include "Game/Timeline/Gameplay.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/boxes/ProgressFloat.h"
#include "Ui/views/ViewFile.h"
#include "Ui/views/XmlAttribute.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

const char* const LETTER_FILE = "UI/gameUI/Farm/ContractLetterSlot.xml";
// The tutorial tip that points at a letter about to run out, and how soon before.
constexpr eTips TIP_LETTER = 17;
constexpr Float TIP_LETTER_TIME = 90.0f;

iResource* loadSound(iXML* _xml_doc, const char16_t* _name)
{
    const String path = toString((*_xml_doc)[_name]);
    return path.empty() ? nullptr : cResourceManager::getInstance()->getSound(path);
}

void loadState(iXML* _xml_doc, const char* _name, cState& _state)
{
    iXML* child = nullptr;
    if (_xml_doc->get(_name, child))
        _state.loadXML(child);
}

Vector2 sum(const Vector2& _a, const Vector2& _b)
{
    return Vector2(_a.x + _b.x, _a.y + _b.y);
}

} // namespace

void cContractLetterSlot::sReleaseSound::operator()(iResource* _sound) const
{
    _sound->release();
}

cContractLetterSlot::cContractLetterSlot(cView* _parent, UInt _index) : cTips<cAnimButton>(_parent), m_index(_index)
{
    GUARD_BEGIN
    m_progress = new cProgressFloat(this);
    m_pic = new cAnimButton(this);
    cFileManager* files = cFileManager::getInstance();
    if (files && files->isExist(LETTER_FILE))
        loadViewFile(this, LETTER_FILE);
    else
        getLog("error")->print(String("The post box has no ") + LETTER_FILE + ": its letters have no looks.");
    GUARD_END("cContractLetterSlot::cContractLetterSlot(cView* _parent, UInt _index)")
}

cContractLetterSlot::~cContractLetterSlot() = default;

void cContractLetterSlot::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cTips<cAnimButton>::loadXML(_xml_doc);
    loadChildPart(_xml_doc, "FloatProgress", m_progress);
    loadChildPart(_xml_doc, "Pic", m_pic);
    readXmlAttribute(_xml_doc, u"FlashTimeRemaind", m_flashTimeRemaind, toFloat);
    readXmlAttribute(_xml_doc, u"FlashPeriod", m_flashPeriod, toFloat);
    readXmlAttribute(_xml_doc, u"AppearPosition", m_appearPosition, toVector2);
    readXmlAttribute(_xml_doc, u"MoveSpeed", m_moveSpeed, toFloat);
    loadState(_xml_doc, "ReadState", m_readState);
    loadState(_xml_doc, "UnreadState", m_unreadState);
    m_nearPuffSound.reset(loadSound(_xml_doc, u"NearPuffSound"));
    m_puffSound.reset(loadSound(_xml_doc, u"PuffSound"));
    GUARD_END("void cContractLetterSlot::loadXML(iXML* xml_doc)")
}

void cContractLetterSlot::setup(sContractEvent* _event, UInt _state, Bool _restore)
{
    GUARD_BEGIN
    m_event = _event;
    m_totalTime = _event->LetterTime.toSeconds();
    m_offerAsked = false;
    m_flashTimer = 0;
    if (_restore) {
        m_distance = 0;
        enable();
        setPosition(sum(m_place, farmOrigin()));
        // A damaged save may hold any number: the letter comes back waiting, within its time.
        const Float saved = key::letTime[m_index];
        m_remaining = std::isfinite(saved) ? std::clamp(saved, 0.0f, m_totalTime) : m_totalTime;
        m_state = Int(key::letState[m_index]) == READ ? READ : UNREAD;
        m_flashing = m_flashTimeRemaind >= m_remaining;
    } else {
        const Vector2 way(m_place.x - m_appearPosition.x, m_place.y - m_appearPosition.y);
        m_distance = way.length();
        disable();
        setPosition(sum(m_appearPosition, farmOrigin()));
        m_state = Int(_state);
        m_remaining = m_totalTime;
        m_flashing = false;
        cSavedContract(cSavedContract::LETTER, m_index).record(*_event);
        key::letTime[m_index] = m_remaining;
        key::letState[m_index] = m_state;
    }
    setLook(m_state);
    showProgress();
    m_pic->show();
    show();
    GUARD_END("void cContractLetterSlot::setup(sContractEvent* _event, UInt _state, Bool _restore)")
}

Bool cContractLetterSlot::restore()
{
    GUARD_BEGIN
    sContractEvent* event = cSavedContract(cSavedContract::LETTER, m_index).restore();
    if (!event) {
        setEmpty();
        return false;
    }
    setup(event, UNREAD, true);
    return true;
    GUARD_END("Bool cContractLetterSlot::restore()")
}

void cContractLetterSlot::setEmpty()
{
    GUARD_BEGIN
    m_state = EMPTY;
    m_event = nullptr;
    m_offerAsked = false;
    cSavedContract(cSavedContract::LETTER, m_index).clear();
    hideAll();
    GUARD_END("void cContractLetterSlot::setEmpty()")
}

void cContractLetterSlot::absoluteProcess()
{
    GUARD_BEGIN
    cTips<cAnimButton>::absoluteProcess();
    if (m_offerAsked && !isOfferOpen())
        m_offerAsked = false;
    const Float dt = frameTime();
    if (m_distance > 0)
        fly(dt);
    else if (m_state != EMPTY)
        wait(dt);
    GUARD_END("void cContractLetterSlot::absoluteProcess()")
}

Float cContractLetterSlot::frameTime() const
{
    const cTutorialManager* tutorial = cTutorialManager::getInstance();
    if ((tutorial && tutorial->isTipRunning()) || isOfferOpen())
        return 0;
    cTimer* timer = cTimer::getInstance();
    return timer ? timer->getFrameTime() : 0;
}

Bool cContractLetterSlot::isOfferOpen() const
{
    const cContractProvide* offer = cContractProvide::getInstance();
    return offer && offer->isOpen() && offer->getSlot() == this;
}

void cContractLetterSlot::fly(Float _dt)
{
    m_distance -= _dt * m_moveSpeed;
    if (!(m_distance > 0)) {
        m_distance = 0;
        enable();
    }
    Vector2 back(m_appearPosition.x - m_place.x, m_appearPosition.y - m_place.y);
    back.setLength(m_distance);
    setPosition(sum(sum(m_place, back), farmOrigin()));
}

void cContractLetterSlot::wait(Float _dt)
{
    m_remaining -= _dt;
    if (m_remaining < 0)
        m_remaining = 0;
    key::letTime[m_index] = m_remaining;
    cTutorialManager* tutorial = cTutorialManager::getInstance();
    const cFarm* farm = cFarm::getInstance();
    if (m_remaining < TIP_LETTER_TIME && tutorial && tutorial->canRunTip(TIP_LETTER) && farm && farm->isVisible() &&
        !farm->getSlide().isMoving())
        tutorial->runActionTip(TIP_LETTER, this);
    blink(_dt);
    if (m_remaining == 0)
        timeOut();
    else
        showProgress();
}

void cContractLetterSlot::blink(Float _dt)
{
    if (m_flashing) {
        m_flashTimer -= _dt;
        if (m_flashTimer > 0)
            return;
        m_flashTimer = m_flashPeriod;
        if (m_pic->isOwnVisible())
            m_pic->hide();
        else
            m_pic->show();
    } else if (m_flashTimeRemaind >= m_remaining) {
        m_flashing = true;
        m_flashTimer = 0;
        playSound(m_nearPuffSound.get());
    }
}

void cContractLetterSlot::timeOut()
{
    if (cFarm* farm = cFarm::getInstance())
        farm->clearLetterSlot(this);
    // A place of no farm's post box empties itself.
    if (m_state != EMPTY)
        setEmpty();
    playSound(m_puffSound.get());
    key::awQTask() = 0;
}

void cContractLetterSlot::clicked()
{
    GUARD_BEGIN
    cTips<cAnimButton>::clicked();
    cTutorialManager* tutorial = cTutorialManager::getInstance();
    if (tutorial && tutorial->isTipRunning() && !tutorial->isCurrentTip(TIP_LETTER))
        return;
    if (tutorial)
        tutorial->setTipPassed(TIP_LETTER);
    if (m_state == UNREAD) {
        m_state = READ;
        setLook(READ);
        key::letState[m_index] = READ;
    }
    if (m_flashing) {
        m_flashTimer = m_flashPeriod;
        m_pic->show();
    }
    if (cContractProvide* offer = cContractProvide::getInstance())
        offer->startShow(this);
    GUARD_END("void cContractLetterSlot::clicked()")
}

void cContractLetterSlot::showProgress()
{
    m_progress->setValue(m_totalTime > 0 ? m_remaining / m_totalTime * 100.0f : 0.0f);
    m_progress->progressChanged();
}

void cContractLetterSlot::setLook(Int _state)
{
    static_cast<cState&>(*m_pic) = _state == READ ? m_readState : m_unreadState;
    m_pic->setTransformDirty();
}

Vector2 cContractLetterSlot::farmOrigin()
{
    const cFarm* farm = cFarm::getInstance();
    return farm && farm->getContent() ? farm->getContent()->getPosition() : Vector2(0, 0);
}

void cContractLetterSlot::playSound(iResource* _sound)
{
    cSoundManager* sound = cSoundManager::getInstance();
    if (_sound && sound)
        sound->play(_sound);
}
