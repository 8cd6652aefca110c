#include "Game/Farm/Worker/Person.h"

#include "Game/Farm/ActionArea.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Worker/Jobs/PersonIdle.h"
#include "Game/Farm/Worker/Jobs/PersonKeptJob.h"
#include "Game/Farm/Worker/Jobs/PersonStayWithHose.h"
#include "Game/Farm/Worker/PersonWorkplace.h"
#include "Game/Farm/Seeds/SeedPackage.h"
#include "Game/GameKeys.h"
#include "Ui/controls/Picture.h"
#include "Ui/boxes/ProgressDiscrete.h"
#include "Ui/boxes/ProgressFloat.h"
#include "Ui/views/Scavenger.h"
#include "Ui/views/ViewFile.h"
#include "engine/resources/Channel.h"
#include "engine/logs/ErrorStack.h"
#include "engine/logs/LogManager.h"
#include "engine/resources/Resource.h"
#include "engine/resources/SoundManager.h"

#include <algorithm>
#include <string>

namespace {

constexpr Bool CARRY_STATES[cPerson::LOOK_COUNT] = {true, true, true, false, false, false,
                                                    true, false, false, false, true, true};
// The looping sounds; the others fire and forget.
constexpr Bool LOOPING[cPerson::SOUND_COUNT] = {true, true, true, false, true, false, true, false};

Vector2 sum(const Vector2& _a, const Vector2& _b)
{
    return Vector2(_a.x + _b.x, _a.y + _b.y);
}

} // namespace

void cPerson::sReleaseResource::operator()(iResource* _resource) const
{
    _resource->release();
}

void cPerson::sDeleteChannel::operator()(cChannel* _channel) const
{
    delete _channel;
}

cPerson::cPerson(cView* _parent)
    : cFieldObject(_parent), m_waterBar(new cProgressFloat(this)), m_counter(new cProgressDiscrete(this)),
      m_carrySign(new cPicture(this)), m_carryBacking(new cPicture(m_carrySign))
{
    GUARD_BEGIN
    for (auto& row : m_hotSpots)
        std::fill(std::begin(row), std::end(row), Vector2(0, 0));
    std::fill(std::begin(m_productTipOffsets), std::end(m_productTipOffsets), Vector2(0, 0));
    std::fill(std::begin(m_seedTipOffsets), std::end(m_seedTipOffsets), Vector2(0, 0));
    loadViewFile(this, DATA_FILE);
    // The worker works while another screen is shown.
    absoluteEnable();
    setPos(sum(getGroundOrigin(), Vector2(key::XPersPos(), key::YPersPos())), true);
    restoreCarry();
    // A worker left in the middle of a job goes on with it, the hose's spraying included; one
    // left standing with the hose takes it up again by the pump.
    if (cTask* job = keptJob::takeUp(*this))
        m_dealer.setTask(job);
    else if (getCarryState() == CARRY_HOSE)
        m_dealer.setTask(new cPersonStayWithHose());
    else
        m_dealer.setTask(new cPersonIdle());
    GUARD_END("cPerson::cPerson(cView* _parent)")
}

cPerson::~cPerson()
{
    // The marks are children of their areas and go with them; the areas may be gone already.
    m_dealer.setTask(nullptr);
}

void cPerson::restoreCarry()
{
    const UInt carry = key::PCarry();
    if (carry >= LOOK_COUNT || !CARRY_STATES[carry]) {
        // Read back, it would index the look tables: the worker starts with empty hands.
        getLog("error")->print("The worker's carry state " + std::to_string(carry) + " is unknown: it starts with nothing.");
        setCarryState(CARRY_NOTHING);
    }
    if (cFarm* farm = cFarm::getInstance()) {
        std::vector<cSeedPackage*> packages;
        farm->getSeedPackageList(packages);
        for (cSeedPackage* package : packages)
            if (package->getState() == cSeedPackage::TAKEN) {
                m_carriedPackage = package;
                setCarryState(CARRY_SEED_PACKAGE);
            }
    }
    // The level state that held the package was lost: the hands are empty.
    if (getCarryState() == CARRY_SEED_PACKAGE && !m_carriedPackage)
        setCarryState(CARRY_NOTHING);
}

void cPerson::absoluteProcess()
{
    GUARD_BEGIN
    cFieldObject::absoluteProcess();
    m_dealer.process();
    GUARD_END("void cPerson::absoluteProcess()")
}

Vector2 cPerson::getGroundOrigin() const
{
    cView* parent = getParent();
    cControl* ground = parent ? parent->asControl() : nullptr;
    return ground ? ground->getPosition() : Vector2(0, 0);
}

void cPerson::setPos(const Vector2& _position, Bool _move)
{
    GUARD_BEGIN
    if (_move)
        setPosition(_position);
    const Vector2 origin = getGroundOrigin();
    key::XPersPos() = _position.x - origin.x;
    key::YPersPos() = _position.y - origin.y;
    GUARD_END("void cPerson::setPos(const Vector2& _pos, Bool _move)")
}

// --- The queue ---------------------------------------------------------------------------------

void cPerson::addActionArea(cActionArea* _area, const Vector2& _point)
{
    GUARD_BEGIN
    sJob job;
    job.area = _area;
    job.point = _point;
    auto* mark = new cPicture(_area);
    static_cast<cState&>(*mark) = m_markState;
    mark->setSize(m_markSize);
    mark->setPosition(_point);
    mark->setDeep(Float(_area->getQueued()) + _area->getDeep() + MARK_DEPTH);
    mark->show();
    job.mark = mark;
    m_queue.push_back(job);
    GUARD_END("void cPerson::addActionArea(cActionArea* _area, const Vector2& _point)")
}

void cPerson::discardMark(sJob& _job)
{
    if (_job.mark)
        discard(_job.mark, "void cPerson::discardMark(sJob& _job)");
    _job.mark = nullptr;
}

void cPerson::relayMarks(cActionArea* _area)
{
    UInt n = 0;
    for (sJob& job : m_queue) {
        if (job.area != _area)
            continue;
        job.point = _area->getClickPoint(n);
        if (job.mark) {
            job.mark->setPosition(job.point);
            job.mark->setDeep(Float(n) + _area->getDeep() + MARK_DEPTH);
        }
        ++n;
    }
}

cActionArea* cPerson::acquireTask()
{
    GUARD_BEGIN
    killCurrentTask();
    if (m_queue.empty())
        return nullptr;
    m_current = m_queue.front();
    m_queue.erase(m_queue.begin());
    return m_current.area;
    GUARD_END("cActionArea* cPerson::acquireTask()")
}

void cPerson::killCurrentTask()
{
    GUARD_BEGIN
    if (!m_current.area) {
        discardMark(m_current);
        return;
    }
    cActionArea* area = m_current.area;
    area->removeQueued();
    relayMarks(area);
    discardMark(m_current);
    m_current = sJob();
    GUARD_END("void cPerson::killCurrentTask()")
}

void cPerson::removeTasksWithDestroyedPacket(cActionArea* _area)
{
    GUARD_BEGIN
    for (auto job = m_queue.begin(); job != m_queue.end();) {
        if (job->area == _area) {
            discardMark(*job);
            job = m_queue.erase(job);
        } else {
            ++job;
        }
    }
    GUARD_END("void cPerson::removeTasksWithDestroyedPacket(cActionArea* _area)")
}

void cPerson::clearTaskList()
{
    GUARD_BEGIN
    killCurrentTask();
    for (sJob& job : m_queue) {
        discardMark(job);
        job.area->removeQueued();
    }
    m_queue.clear();
    GUARD_END("void cPerson::clearTaskList()")
}

void cPerson::setDropCurrentTask(Bool _drop)
{
    GUARD_BEGIN
    m_dropCurrentTask = _drop;
    if (_drop) {
        discardMark(m_current);
        m_current = sJob();
    }
    GUARD_END("void cPerson::setDropCurrentTask(Bool _drop)")
}

void cPerson::forgetActionArea(cActionArea* _area)
{
    GUARD_BEGIN
    // The area deletes its children itself: its marks are only let go.
    if (m_carriedPackage == _area)
        m_carriedPackage = nullptr;
    if (m_current.area == _area) {
        _area->removeQueued();
        m_current = sJob();
        // The worker was on its way there: it stops where it is.
        m_dropCurrentTask = true;
    }
    for (auto job = m_queue.begin(); job != m_queue.end();) {
        if (job->area == _area) {
            _area->removeQueued();
            job = m_queue.erase(job);
        } else {
            ++job;
        }
    }
    GUARD_END("void cPerson::forgetActionArea(cActionArea* _area)")
}

// --- What the worker carries -------------------------------------------------------------------

UInt cPerson::getCarryState()
{
    return key::PCarry();
}

void cPerson::setCarryState(UInt _state)
{
    if (key::PCarry() != _state)
        key::PCarry() = _state;
}

UInt cPerson::getCarriedCount()
{
    UInt count = 0;
    for (UInt i = 0; i < key::CROP_COUNT; ++i)
        count += key::PCC[i];
    return count;
}

UInt cPerson::getCarriedGood(UInt _type)
{
    return _type < key::CROP_COUNT ? UInt(key::PCC[_type]) : 0;
}

void cPerson::setCarriedGood(UInt _type, UInt _count)
{
    if (_type < key::CROP_COUNT && key::PCC[_type] != _count)
        key::PCC[_type] = _count;
}

Bool cPerson::hasOtherGoods(UInt _type)
{
    for (UInt i = 0; i < key::CROP_COUNT; ++i)
        if (i != _type && key::PCC[i] != 0)
            return true;
    return false;
}

Bool cPerson::canCollectMore()
{
    return getCarriedCount() < workplace::basketCapacity();
}

Float cPerson::getWaterLevel()
{
    return key::WaterLevel();
}

void cPerson::setWaterLevel(Float _level)
{
    key::WaterLevel() = _level;
}

// --- Sounds ------------------------------------------------------------------------------------

void cPerson::playSound(eSoundType _type)
{
    GUARD_BEGIN
    if (_type >= SOUND_COUNT)
        return;
    iResource* sound = m_sounds[_type].get();
    cSoundManager* manager = cSoundManager::getInstance();
    if (!sound || !manager)
        return;
    if (!LOOPING[_type]) {
        manager->play(sound);
        return;
    }
    // A looping work sound starts again from its beginning.
    m_channels[_type].reset();
    m_channels[_type].reset(manager->playSound(sound, true, true));
    GUARD_END("void cPerson::playSound(eSoundType _type)")
}

void cPerson::stopLoopSound(eSoundType _type)
{
    if (_type < SOUND_COUNT)
        m_channels[_type].reset();
}

Bool cPerson::isLoopSoundPlaying(eSoundType _type) const
{
    return _type < SOUND_COUNT && m_channels[_type] != nullptr;
}
