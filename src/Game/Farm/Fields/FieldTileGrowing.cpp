#include "Game/Farm/Fields/FieldTileGrowing.h"

#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/FarmMoment.h"
#include "Game/Farm/Fields/FieldTileDie.h"
#include "Game/Farm/Fields/FieldTileGrowUp.h"
#include "Game/Farm/Fields/FieldTilePloughted.h"
#include "Game/GameKeys.h"
#include "Game/Tutorial/TutorialManager.h"

#include <algorithm>

namespace {

// The tip that points at a crop without water.
constexpr eTips DRY_CROP_TIP = 24;

} // namespace

cFieldTileGrowing::cFieldTileGrowing(cFarmFieldTile* _tile, Float _time) : cTask(_tile), m_tile(_tile), m_time(_time) {}

Float cFieldTileGrowing::growthClock(Float _elapsed, const Float (&_stages)[3], Float _gap)
{
    Float clock = 0;
    for (Float stage : _stages) {
        if (_elapsed < stage) {
            clock += _elapsed;
            _elapsed = 0;
        } else {
            clock += stage;
            _elapsed -= stage;
        }
        if (_elapsed < _gap)
            break;
        _elapsed -= _gap;
    }
    return clock;
}

Float cFieldTileGrowing::elapsedForClock(Float _clock, const Float (&_stages)[3], Float _gap)
{
    Float elapsed = 0;
    for (Float stage : _stages) {
        if (_clock <= stage)
            return elapsed + _clock;
        _clock -= stage;
        elapsed += stage + _gap;
    }
    return elapsed;
}

void cFieldTileGrowing::onStart()
{
    m_tile->setHarvestState(cFarmFieldTile::HS_NONE);
    m_tile->setStatus(cFarmFieldTile::FS_GROWING);
    m_tile->setProgres(m_time);
    m_gap = (cFarmFieldTile::getCreationTime(m_tile->getCultivationType()) - m_tile->getAnimLength()) * 0.5f;
    m_speed = MIN_SPEED + SPEED_SPREAD * farm::random01();
}

Bool cFieldTileGrowing::onProcess()
{
    if (m_tile->getStatus() == cFarmFieldTile::FS_PLOUGHED)
        return true;
    Float step = farm::frameTime() * m_speed;
    // Every growing field asks every frame: the variable is found by its name once.
    static const cGameKeyHandle<PT_BOOL> s_fastSpeed(key::TFastSpeed);
    if (*s_fastSpeed)
        step *= FAST_FACTOR;
    const Bool grass = m_tile->getCultivationType() == cGame::GRASS;
    if (!grass && m_tile->isDoomed())
        return true;
    if (!grass && !m_tile->hasWater())
        runTutorial();
    const Bool wilting = grass ? !m_tile->hasWater() : !m_tile->hasWater() || !m_tile->hasFertility();
    if (wilting) {
        const UInt frame = m_tile->getAnimFrame();
        const UInt notGrow = m_tile->getCropRecord(m_tile->getCultivationType()).notGrowFrame;
        if (frame == notGrow)
            return false;
        if (frame > notGrow) {
            wilt(step);
            return false;
        }
    }
    return grow(step);
}

void cFieldTileGrowing::runTutorial()
{
    if (farm::isOnScreen() && farm::canRunTip(DRY_CROP_TIP))
        farm::runArrowHelpTip(DRY_CROP_TIP, m_tile);
}

void cFieldTileGrowing::wilt(Float _step)
{
    const UInt crop = m_tile->getCultivationType();
    const Float total = cFarmFieldTile::getCreationTime(crop);
    const Float length = m_tile->getAnimLength();
    const cFarmFieldTile::sCropRecord& record = m_tile->getCropRecord(crop);
    // Wilting stops at the start of the not-grow frame, where the crop then waits.
    const Float floor = Float(record.notGrowFrame) * length / Float(m_tile->getFramesCount());
    const Float clock = std::max(floor, m_tile->getAnimTime() - _step);
    m_tile->setAnimTime(clock);
    // The growth lost is given back in time: the growth that look stands for, as it grows.
    m_tile->setProgres(std::max(0.0f, total - elapsedForClock(clock, record.stage, m_gap)));
}

Bool cFieldTileGrowing::grow(Float _step)
{
    const UInt crop = m_tile->getCultivationType();
    const Float total = cFarmFieldTile::getCreationTime(crop);
    const Float remaining = std::max(0.0f, m_tile->getProgres() - _step);
    m_tile->setProgres(remaining);
    m_tile->setAnimTime(growthClock(total - remaining, m_tile->getCropRecord(crop).stage, m_gap));
    return remaining == 0;
}

void cFieldTileGrowing::onEnd()
{
    cTaskDealer& dealer = m_tile->getDealer();
    if (m_tile->getStatus() == cFarmFieldTile::FS_PLOUGHED) {
        dealer.setTask(new cFieldTilePloughted(m_tile, m_tile->getPloughtToGrassTime()));
    } else if (m_tile->getCultivationType() != cGame::GRASS && (!m_tile->hasWater() || m_tile->isDoomed())) {
        m_tile->setDoomed(false);
        m_tile->playDeathSound();
        dealer.setTask(new cFieldTileDie(m_tile));
    } else {
        m_tile->playReadySound();
        dealer.setTask(new cFieldTileGrowUp(m_tile));
    }
}
