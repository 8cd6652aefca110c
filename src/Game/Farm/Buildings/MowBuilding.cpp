#include "Game/Farm/Buildings/MowBuilding.h"

#include "Game/Farm/Buildings/ElasticAnimation.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Ui/controls/Picture.h"
#include "Ui/views/ViewFile.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"

#include <cstdint>
#include <limits>

namespace {

constexpr cToolBuilding::sToolInfo MOW_INFO = {
    AAT_MOW_BUILDING, cGame::MOW_BUILDING, 31, "Farm/ActionAreas/MowBuilding.xml", 6, cElasticAnimation::EA_SCYTHE};
// The upgrade tip by level: the first upgrade, and the one to the harvester.
constexpr Int UPGRADE_TIPS[cUpgrade::MAX_LEVELS] = {27, -1, 47, -1};
// At the top level the harvest goes to the warehouse by itself: no sign.
constexpr Int TOP_LEVEL = 3;

} // namespace

cMowBuilding::cMowBuilding(cView* _parent)
    : cToolBuilding(_parent, MOW_INFO), m_sign(new cPicture(this)), m_substrate(new cPicture(m_sign))
{
    GUARD_BEGIN
    loadViewFile(this, MOW_INFO.file);
    getUpgradeControls().getButton()->setOnClick(&cMowBuilding::onUpgrade);
    updateUpgrade();
    GUARD_END("cMowBuilding::cMowBuilding(cView* _parent)")
}

void cMowBuilding::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cToolBuilding::loadXML(_xml_doc);
    iXML* child = nullptr;
    if (_xml_doc->get("WotInScythSign", child))
        m_sign->loadXML(child);
    if (_xml_doc->get("WotSubstrate", child))
        m_substrate->loadXML(child);
    GUARD_END("void cMowBuilding::loadXML(iXML* _xml_doc)")
}

void cMowBuilding::loadUpgrade(UInt _level, iXML* _xml)
{
    GUARD_BEGIN
    sMowLevel& level = m_levels.at(_level);
    readXmlAttribute(_xml, u"ProductionNum", level.ProductionNum, toULong);
    readXmlAttribute(_xml, u"MowTime", level.MowTime, toFloat);
    loadLooks(_level, _xml);
    GUARD_END("void cMowBuilding::loadUpgrade(UInt _level, iXML* _xml)")
}

UInt cMowBuilding::getProductionNum() const
{
    const Int level = getValidLevel();
    return level < 0 ? 0 : m_levels[UInt(level)].ProductionNum;
}

Float cMowBuilding::getMowTime() const
{
    const Int level = getValidLevel();
    return level < 0 ? 0.0f : m_levels[UInt(level)].MowTime;
}

UInt cMowBuilding::getCarriedHarvest()
{
    std::uint64_t sum = 0;
    for (UInt k = 0; k < key::CROP_COUNT; ++k)
        sum += key::PCC[k];
    return sum > std::numeric_limits<UInt>::max() ? std::numeric_limits<UInt>::max() : UInt(sum);
}

void cMowBuilding::afterInstrumentView()
{
    const cGame* game = cGame::getInstance();
    if (isToolCarried() || getUpgrade() >= TOP_LEVEL || getCarriedHarvest() == 0 || !game) {
        m_sign->hide();
        return;
    }
    for (UInt k = 0; k < key::CROP_COUNT; ++k)
        if (key::PCC[k] != 0) {
            if (const cGame::sProdInfo* info = game->getProdInfo(k)) {
                static_cast<cState&>(*m_sign) = info->Icon;
                m_sign->setTransformDirty();
            }
            break;
        }
    m_sign->show();
}

void cMowBuilding::afterLevelChange()
{
    cPerson* person = cPerson::getInstance();
    if (person && isToolCarried())
        person->updateCarryTips(true, getCarriedHarvest(), getProductionNum());
}

void cMowBuilding::onUpgrade(cView* /*_button*/)
{
    GUARD_BEGIN
    if (cMowBuilding* building = getInstance())
        building->upgradeFromButton();
    GUARD_END("void cMowBuilding::onUpgrade(cView* _button)")
}

Int cMowBuilding::getUpgradeTip() const
{
    const Int level = getUpgrade();
    return level >= 0 && level < Int(MAX_LEVELS) ? UPGRADE_TIPS[level] : -1;
}
