// How the worker looks: its look row, facing, hot spots, animations and the views over it.
#include "Game/Farm/Worker/Person.h"

#include "Game/Farm/Worker/PersonFacing.h"
#include "Game/Farm/Worker/PersonWorkplace.h"
#include "Game/Farm/Seeds/SeedPackage.h"
#include "Game/Game.h"
#include "Ui/texts/FlyText.h"
#include "Ui/controls/Picture.h"
#include "Ui/boxes/ProgressDiscrete.h"
#include "Ui/boxes/ProgressFloat.h"
#include "engine/logs/ErrorStack.h"

#include <algorithm>

namespace {

constexpr Float TIP_WIDTH = 50;
// Above this mowing level the basket is a trailer and shows no sign.
constexpr UInt SIGN_MOW_LEVEL = 2;

} // namespace

UInt cPerson::getLook()
{
    const UInt carry = getCarryState();
    if (carry == CARRY_SPADE)
        return CARRY_SPADE + workplace::digLevel();
    if (carry == CARRY_SCYTHE)
        return CARRY_SCYTHE + workplace::mowLevel();
    return carry < LOOK_COUNT ? carry : 0;
}

Vector2 cPerson::getRawHotSpotOffset(UInt _direction) const
{
    return m_hotSpots[getLook()][std::min(_direction, DIRECTION_COUNT - 1)];
}

Vector2 cPerson::getHotSpotOffset(UInt _direction) const
{
    Vector2 offset = getRawHotSpotOffset(_direction);
    if (const_cast<cPerson*>(this)->getInverceX())
        offset.x = -offset.x;
    return offset;
}

Vector2 cPerson::getHotSpotPosition() const
{
    const Vector2 offset = getHotSpotOffset(m_direction);
    return Vector2(getPosition().x + offset.x, getPosition().y + offset.y);
}

void cPerson::advanceAnimation(Float _dt)
{
    getAnimTime() += _dt;
    setTransformDirty();
}

void cPerson::showState(const cState& _state, Float _height)
{
    if (m_shown != &_state) {
        static_cast<cState&>(*this) = _state;
        setPlayAnimation(true);
        setAnimTime(0);
        m_shown = &_state;
    }
    // The height moves the depth and the picture: both take effect on the next placing.
    setHeightOffset(_height);
    setPosition(getPosition());
    setTransformDirty();
}

void cPerson::placeCarrySign(const Vector2& _offset)
{
    m_carrySign->setPosition(Vector2(getPosition().x + _offset.x, getPosition().y + _offset.y));
}

void cPerson::playMoveAnimation(const Vector2& _dir)
{
    GUARD_BEGIN
    const sPersonFacing facing = walkFacing(_dir, {m_direction, getInverceX()});
    m_direction = facing.direction;
    setInverceX(facing.mirror);
    m_job = NO_JOB;
    m_idlePose = false;
    showState(m_moveStates[getLook()][m_direction], m_carryHeights[getLook()]);
    placeCarrySign(m_seedTipOffsets[m_direction]);
    GUARD_END("void cPerson::playMoveAnimation(const Vector2& _dir)")
}

void cPerson::playMoveTechAnimation(const Vector2& _dir)
{
    GUARD_BEGIN
    const sPersonFacing facing = driveFacing(_dir, {m_direction, getInverceX()});
    m_direction = facing.direction;
    setInverceX(facing.mirror);
    m_job = NO_JOB;
    m_idlePose = false;
    showState(m_moveStates[getLook()][m_direction], m_carryHeights[getLook()]);
    Vector2 offset = m_productTipOffsets[m_direction];
    if (facing.mirror)
        offset.x = -offset.x;
    placeCarrySign(offset);
    GUARD_END("void cPerson::playMoveTechAnimation(const Vector2& _dir)")
}

void cPerson::playIdleAnimation()
{
    GUARD_BEGIN
    const UInt look = getLook();
    m_job = NO_JOB;
    m_idlePose = true;
    if (look == CARRY_HOSE) {
        showState(m_hoseState, m_carryHeights[look]);
        setPlayAnimation(false);
        setAnimFrame(std::min(m_hoseFrame, m_hoseState.getFramesCount() - 1));
    } else {
        showState(m_idleStates[look][m_direction], m_carryHeights[look]);
    }
    Vector2 offset = m_productTipOffsets[m_direction];
    if (getInverceX())
        offset.x = -offset.x;
    if (getCarryState() == CARRY_SCYTHE)
        placeCarrySign(offset);
    else if (getCarryState() == CARRY_SEED_PACKAGE)
        placeCarrySign(m_seedTipOffsets[m_direction]);
    GUARD_END("void cPerson::playIdleAnimation()")
}

void cPerson::playJobAnimation(UInt _job)
{
    GUARD_BEGIN
    UInt job = _job;
    if (job == JOB_PLOUGH)
        job = JOB_PLOUGH + workplace::digLevel();
    else if (job == JOB_HARVEST)
        job = JOB_HARVEST + workplace::mowLevel();
    job = std::min(job, JOB_COUNT - 1);
    // The spade and the sowing hand have one side only.
    if (job == JOB_PLOUGH || job == JOB_SOW || job == JOB_SOW + 1)
        setInverceX(false);
    m_job = job;
    m_idlePose = false;
    showState(m_jobStates[job][m_direction], m_jobHeights[job][m_direction]);
    GUARD_END("void cPerson::playJobAnimation(UInt _job)")
}

void cPerson::playHoseAnimation(const Vector2& _target)
{
    GUARD_BEGIN
    setInverceX(false);
    const Vector2 dir(_target.x - getPosition().x + 15, _target.y - getPosition().y);
    const UInt frames = m_hoseState.getFramesCount();
    // The frame picks an emitter and an angle too: it must stay within what was loaded.
    UInt limit = std::max<UInt>(1, frames);
    if (!m_waterEmitters.empty())
        limit = std::min<UInt>(limit, UInt(m_waterEmitters.size()));
    if (!m_waterAngles.empty())
        limit = std::min<UInt>(limit, UInt(m_waterAngles.size()));
    m_hoseFrame = std::min(hoseFrame(dir, frames), limit - 1);
    showState(m_hoseState, m_carryHeights[CARRY_HOSE]);
    setPlayAnimation(false);
    setAnimFrame(m_hoseFrame);
    m_job = NO_JOB;
    m_idlePose = true;
    GUARD_END("void cPerson::playHoseAnimation(const Vector2& _target)")
}

Vector2 cPerson::getWaterEmitterPosition() const
{
    const Vector2 offset = m_waterEmitters.empty()
                               ? Vector2(0, 0)
                               : m_waterEmitters[std::min<size_t>(m_hoseFrame, m_waterEmitters.size() - 1)];
    return Vector2(getPosition().x + offset.x, getPosition().y + offset.y);
}

Float cPerson::getWaterAngle() const
{
    return m_waterAngles.empty() ? 0 : m_waterAngles[std::min<size_t>(m_hoseFrame, m_waterAngles.size() - 1)];
}

void cPerson::playUpgradedAnimation()
{
    GUARD_BEGIN
    if (m_job != NO_JOB) {
        playJobAnimation(m_job);
        return;
    }
    const UInt look = getLook();
    showState(m_idlePose ? m_idleStates[look][m_direction] : m_moveStates[look][m_direction], m_carryHeights[look]);
    GUARD_END("void cPerson::playUpgradedAnimation()")
}

void cPerson::updateCarryTips(Bool _show, UInt _count, UInt _segments)
{
    GUARD_BEGIN
    if (!_show) {
        m_counter->hide();
        m_carrySign->hide();
        return;
    }
    if (m_counter->getCount() != _segments && _segments > 0)
        m_counter->setCount(_segments);
    m_counter->setValue(_count);
    const cPicture* segment = m_counter->getSegments().empty() ? nullptr : m_counter->getSegments().front();
    const Float segmentWidth = segment ? const_cast<cPicture*>(segment)->getSize().x : 0;
    const Float width = Float(_count) * segmentWidth;
    const Float x = width > TIP_WIDTH ? getPosition().x - TIP_WIDTH / 2 + segmentWidth / 2
                                      : getPosition().x - Float(_count > 0 ? _count - 1 : 0) * segmentWidth / 2;
    m_counter->setPosition(Vector2(x, m_counter->getPosition().y));
    m_counter->show();
    const cGame* game = cGame::getInstance();
    const UInt carry = getCarryState();
    if (carry == CARRY_SCYTHE && workplace::mowLevel() <= SIGN_MOW_LEVEL && game) {
        for (UInt crop = 0; crop < cGame::CULTIVATION_COUNT; ++crop)
            if (getCarriedGood(crop) != 0) {
                if (const cGame::sProdInfo* info = game->getProdInfo(crop))
                    static_cast<cState&>(*m_carrySign) = info->Icon;
                m_carrySign->show();
                break;
            }
    }
    if (carry == CARRY_SEED_PACKAGE && m_carriedPackage && m_carriedPackage->getCount() > 0 && game) {
        if (const cGame::sProdInfo* info = game->getCultivationInfo(cGame::eCultivationType(m_carriedPackage->getSeedType())))
            static_cast<cState&>(*m_carrySign) = info->Icon;
        m_carrySign->show();
    }
    if (workplace::mowLevel() > SIGN_MOW_LEVEL || getCarriedCount() == 0)
        m_carrySign->hide();
    GUARD_END("void cPerson::updateCarryTips(Bool _show, UInt _count, UInt _segments)")
}

void cPerson::updateWaterBar()
{
    GUARD_BEGIN
    if (getCarryState() != CARRY_CAN) {
        m_waterBar->hide();
        return;
    }
    const Float capacity = workplace::canCapacity();
    m_waterBar->setValue(capacity > 0 ? getWaterLevel() / capacity * 100 : 0);
    m_waterBar->progressChanged();
    m_waterBar->show();
    GUARD_END("void cPerson::updateWaterBar()")
}

void cPerson::say(const char* _xml)
{
    GUARD_BEGIN
    // A child of the game, as the money's flights: it is over everything and discards itself.
    cGame* game = cGame::getInstance();
    if (!game)
        return;
    cFlyText* words = new cFlyText(game, _xml);
    words->shiftPath(getPosition());
    GUARD_END("void cPerson::say(const char* _xml)")
}
