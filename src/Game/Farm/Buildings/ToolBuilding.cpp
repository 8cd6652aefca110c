#include "Game/Farm/Buildings/ToolBuilding.h"

#include "Game/Farm/Buildings/ElasticAnimation.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/GameKeys.h"
#include "Ui/views/ViewFile.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/TextConvert.h"
#include "engine/files/XML.h"

namespace {

// Where the worker stands: its own place once it is a control, else the place it saved.
Vector2 workerPosition(cPerson& _person)
{
    if (cControl* control = _person.asControl())
        return control->getPosition();
    return Vector2(key::XPersPos(), key::YPersPos());
}

} // namespace

cToolBuilding::cToolBuilding(cView* _parent, const sToolInfo& _info)
    : cActionArea(_parent, _info.kind), cUpgrade(_info.item, _info.index), m_info(_info),
      m_upgrade(this, nullptr)
{
}

void cToolBuilding::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cActionArea::loadXML(_xml_doc);
    cUpgrade::loadXML(_xml_doc);
    // Every level the player can reach must be described, and the first one always is.
    if (getLevelCount() == 0)
        throw String(m_info.file) + ": the building has no level Up0.";
    m_upgrade.loadXML(_xml_doc);
    GUARD_END("void cToolBuilding::loadXML(iXML* _xml_doc)")
}

void cToolBuilding::loadLooks(UInt _level, iXML* _xml)
{
    GUARD_BEGIN
    sLooks& looks = m_looks.at(_level);
    looks.normal.loadXML(_xml);
    looks.normalMask = toString((*_xml)[u"texture_mask"]);
    iXML* noTool = nullptr;
    if (_xml->get("NoInstrument", noTool)) {
        looks.noTool.loadXML(noTool);
        looks.noToolMask = toString((*noTool)[u"texture_mask"]);
    }
    GUARD_END("void cToolBuilding::loadLooks(UInt _level, iXML* _xml)")
}

Int cToolBuilding::getValidLevel() const
{
    const Int level = getUpgrade();
    return level >= 0 && UInt(level) < getLevelCount() ? level : -1;
}

Bool cToolBuilding::isToolCarried() const
{
    return key::PCarry() == m_info.carry;
}

void cToolBuilding::updateInstrumentView()
{
    GUARD_BEGIN
    const Int level = getValidLevel();
    if (level < 0)
        return;
    const sLooks& looks = m_looks[UInt(level)];
    m_noToolShown = isToolCarried();
    static_cast<cState&>(*this) = m_noToolShown ? looks.noTool : looks.normal;
    setMaskTexture(m_noToolShown ? looks.noToolMask : looks.normalMask);
    setTransformDirty();
    refreshStatePicture();
    afterInstrumentView();
    GUARD_END("void cToolBuilding::updateInstrumentView()")
}

void cToolBuilding::updateUpgrade()
{
    GUARD_BEGIN
    if (getUpgrade() == -1)
        return;
    updateInstrumentView();
    afterLevelChange();
    m_upgrade.update(*this);
    GUARD_END("void cToolBuilding::updateUpgrade()")
}

void cToolBuilding::upgradeFromButton()
{
    GUARD_BEGIN
    if (!cUpgradeControls::buyNextLevel(*this))
        return;
    cPerson* person = cPerson::getInstance();
    if (!person || !isToolCarried())
        return;
    // The worker's old tool goes home; the building shows it only when it lands.
    if (cElasticAnimation* flight = cElasticAnimation::getInstance())
        flight->makeFly(workerPosition(*person), getPosition(),
                        cElasticAnimation::eElasticAnimation(m_info.firstFlight + getUpgrade() - 1), nullptr);
    person->playUpgradedAnimation();
    GUARD_END("void cToolBuilding::upgradeFromButton()")
}

void cToolBuilding::clicked()
{
    GUARD_BEGIN
    if (isCoveredAtPointer())
        cButtonPrototype::clicked();
    else
        cActionArea::clicked();
    GUARD_END("void cToolBuilding::clicked()")
}

void cToolBuilding::process()
{
    GUARD_BEGIN
    cActionArea::process();
    const Int tip = getUpgradeTip();
    if (tip >= 0)
        m_upgrade.pointTip(UInt(tip));
    GUARD_END("void cToolBuilding::process()")
}
