#include "Game/Farm/Fields/FieldTilePloughted.h"

#include "Game/Farm/Farm.h"
#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/FarmMoment.h"
#include "Game/Farm/Fields/FieldTileGrowing.h"
#include "Game/Farm/Seeds/SeedPackage.h"
#include "Game/Tutorial/TutorialManager.h"

#include <algorithm>

namespace {

// The tutorial's sowing lesson: buy seeds, pick up the package, sow this field.
constexpr eTips BUY_SEEDS_TIP = 21;
constexpr eTips TAKE_PACKAGE_TIP = 22;
constexpr eTips SOW_TIP = 23;

} // namespace

cFieldTilePloughted::cFieldTilePloughted(cFarmFieldTile* _tile, Float _time) : cTask(_tile), m_tile(_tile), m_time(_time) {}

void cFieldTilePloughted::onStart()
{
    m_tile->setStatus(cFarmFieldTile::FS_PLOUGHED);
    m_tile->setProgres(m_time);
    m_tile->setAnimFrame(0);
}

Bool cFieldTilePloughted::onProcess()
{
    Float dt = farm::frameTime();
    cFarm* farm = cFarm::getInstance();
    if (farm && farm::isOnScreen() && !(farm::canRunTip(TAKE_PACKAGE_TIP) && farm::canRunTip(BUY_SEEDS_TIP))) {
        if (farm::canRunTip(TAKE_PACKAGE_TIP)) {
            std::vector<cSeedPackage*> packages;
            farm->getSeedPackageList(packages);
            if (!packages.empty())
                farm::runActionTip(TAKE_PACKAGE_TIP, packages.front());
        }
        if (farm::canRunTip(SOW_TIP))
            farm::runActionTip(SOW_TIP, m_tile);
    }
    // In the middle of the sowing lesson the ground waits for the player.
    if ((farm::isTipPassed(BUY_SEEDS_TIP) || farm::isTipPassed(TAKE_PACKAGE_TIP)) && !farm::isTipPassed(SOW_TIP))
        dt = 0;
    if (m_tile->getCultivationType() != cGame::GRASS)
        return true;
    m_time = std::max(0.0f, m_time - dt);
    m_tile->setProgres(m_time);
    return m_time == 0;
}

void cFieldTilePloughted::onEnd()
{
    // A sown crop starts its full growth; unsown ground grows grass.
    m_tile->getDealer().setTask(
        new cFieldTileGrowing(m_tile, cFarmFieldTile::getCreationTime(m_tile->getCultivationType())));
}
