#include "Game/Farm/Buildings/DigBuilding.h"

#include "Game/Farm/Buildings/ElasticAnimation.h"
#include "Game/Game.h"
#include "Ui/views/ViewFile.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/ValueConvert.h"

namespace {

constexpr cToolBuilding::sToolInfo DIG_INFO = {
    AAT_DIG_BUILDING, cGame::DIG_BUILDING, 34, "Farm/ActionAreas/DigBuilding.xml", 2, cElasticAnimation::EA_SPADE};
constexpr eTips UPGRADE_TIP = 28;

} // namespace

cDigBuilding::cDigBuilding(cView* _parent) : cToolBuilding(_parent, DIG_INFO)
{
    GUARD_BEGIN
    loadViewFile(this, DIG_INFO.file);
    getUpgradeControls().getButton()->setOnClick(&cDigBuilding::onUpgrade);
    updateUpgrade();
    GUARD_END("cDigBuilding::cDigBuilding(cView* _parent)")
}

void cDigBuilding::loadUpgrade(UInt _level, iXML* _xml)
{
    GUARD_BEGIN
    readXmlAttribute(_xml, u"DigTime", m_digTime.at(_level), toFloat);
    loadLooks(_level, _xml);
    GUARD_END("void cDigBuilding::loadUpgrade(UInt _level, iXML* _xml)")
}

Float cDigBuilding::getDigTime() const
{
    const Int level = getValidLevel();
    return level < 0 ? 0.0f : m_digTime[UInt(level)];
}

void cDigBuilding::onUpgrade(cView* /*_button*/)
{
    GUARD_BEGIN
    if (cDigBuilding* building = getInstance())
        building->upgradeFromButton();
    GUARD_END("void cDigBuilding::onUpgrade(cView* _button)")
}

Int cDigBuilding::getUpgradeTip() const
{
    return Int(UPGRADE_TIP);
}
