#include "Game/Farm/Fields/FieldTileDie.h"

#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/FarmMoment.h"
#include "Game/Farm/Fields/FieldTilePloughted.h"

#include <algorithm>

cFieldTileDie::cFieldTileDie(cFarmFieldTile* _tile) : cTask(_tile), m_tile(_tile) {}

void cFieldTileDie::onStart()
{
    m_tile->setHarvestState(cFarmFieldTile::HS_NONE);
    m_tile->setStatus(cFarmFieldTile::FS_DYING);
    m_tile->setProgres(0);
    const Float dieTime = cFarmFieldTile::getDieTime(m_tile->getCultivationType());
    // A full-grown crop withers in its dying time; grass restored mid-death has none and goes in a second.
    m_speed = m_tile->getAnimLength() / (dieTime > 0 ? dieTime : 1.0f);
}

Bool cFieldTileDie::onProcess()
{
    if (m_tile->getAnimFrame() == 0)
        return true;
    m_tile->setAnimTime(std::max(0.0f, m_tile->getAnimTime() - m_speed * farm::frameTime()));
    return false;
}

void cFieldTileDie::onEnd()
{
    m_tile->setCultivationType(cGame::GRASS);
    m_tile->getDealer().setTask(new cFieldTilePloughted(m_tile, m_tile->getPloughtToGrassTime()));
}
