#include "Game/Farm/Fields/FieldTileGrowUp.h"

#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/FarmMoment.h"
#include "Game/Farm/Fields/FieldTileDie.h"
#include "Game/Farm/Fields/FieldTileGrowing.h"
#include "Game/Farm/Fields/FieldTilePloughted.h"
#include "Game/Farm/Buildings/MowBuilding.h"
#include "Game/GameKeys.h"
#include "Game/Tutorial/TutorialManager.h"

namespace {

// The harvest lesson: fetch the scythe, then mow the ripe grass.
constexpr eTips FIRST_TIP = 2;
constexpr eTips FETCH_SCYTHE_TIP = 3;
constexpr eTips MOW_TIP = 4;
constexpr UInt CARRY_SCYTHE = 6;

} // namespace

cFieldTileGrowUp::cFieldTileGrowUp(cFarmFieldTile* _tile) : cTask(_tile), m_tile(_tile) {}

void cFieldTileGrowUp::onStart()
{
    m_tile->setHarvestState(cFarmFieldTile::HS_NONE);
    m_tile->setStatus(cFarmFieldTile::FS_READY);
    m_tile->drawReadySign(true);
    key::awGrowType() |= Int(1u << m_tile->getCultivationType());
    startScytheTip();
}

// Asked while the grass stands ripe, not only as it ripens: a game left while the tip was
// shown comes back with the grass ripe already, and the lesson goes on from there.
void cFieldTileGrowUp::startScytheTip()
{
    if (m_tile->getCultivationType() != cGame::GRASS || !farm::canRunTip(FETCH_SCYTHE_TIP) ||
        farm::canRunTip(FIRST_TIP))
        return;
    if (key::PCarry() == CARRY_SCYTHE) {
        farm::tutorial()->setTipPassed(FETCH_SCYTHE_TIP);
        return;
    }
    cMowBuilding* mow = cMowBuilding::getInstance();
    if (mow && farm::isOnScreen())
        farm::runActionTip(FETCH_SCYTHE_TIP, mow->asControl());
}

Bool cFieldTileGrowUp::onProcess()
{
    if (m_tile->getHarvestState() == cFarmFieldTile::HS_HARVESTED ||
        m_tile->getStatus() == cFarmFieldTile::FS_PLOUGHED || !m_tile->hasWater())
        return true;
    if (m_tile->getCultivationType() != cGame::GRASS) {
        if (m_tile->isDoomed())
            return true;
        return false;
    }
    // Grass does not die of the field-destroy event.
    m_tile->setDoomed(false);
    startScytheTip();
    if (farm::isOnScreen() && farm::canRunTip(MOW_TIP) && !farm::canRunTip(FETCH_SCYTHE_TIP))
        farm::runActionTip(MOW_TIP, m_tile);
    return false;
}

void cFieldTileGrowUp::onEnd()
{
    m_tile->drawReadySign(false);
    cTaskDealer& dealer = m_tile->getDealer();
    const UInt crop = m_tile->getCultivationType();
    const Float total = cFarmFieldTile::getCreationTime(crop);
    if (m_tile->getHarvestState() == cFarmFieldTile::HS_HARVESTED) {
        m_tile->setHarvestState(cFarmFieldTile::HS_NONE);
        m_tile->setAnimFrame(m_tile->getBeginGrowFrame());
        if (crop != cGame::GRASS && !m_tile->hasWater()) {
            dealer.setTask(new cFieldTileDie(m_tile));
            return;
        }
        // The stubble left by the harvest is where the regrowth starts, so the growth time
        // already behind that look is not given again.
        const Float gap = (total - m_tile->getAnimLength()) * 0.5f;
        const Float behind = cFieldTileGrowing::elapsedForClock(m_tile->getAnimTime(), m_tile->getCropRecord(crop).stage, gap);
        dealer.setTask(new cFieldTileGrowing(m_tile, std::max(0.0f, total - behind)));
    } else if (m_tile->getStatus() == cFarmFieldTile::FS_PLOUGHED) {
        dealer.setTask(new cFieldTilePloughted(m_tile, m_tile->getPloughtToGrassTime()));
    } else if (!m_tile->hasWater()) {
        // The dried crop starts over from the ripe look and wilts back while dry.
        dealer.setTask(new cFieldTileGrowing(m_tile, total));
    } else {
        m_tile->setDoomed(false);
        m_tile->playDeathSound();
        dealer.setTask(new cFieldTileDie(m_tile));
    }
}
