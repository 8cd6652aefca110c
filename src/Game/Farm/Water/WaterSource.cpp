#include "Game/Farm/Water/WaterSource.h"

#include "Game/Farm/Buildings/ElasticAnimation.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/FarmMoment.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/Farm/Water/Sprinkle.h"
#include "Game/Farm/TextMoney.h"
#include "Game/GameKeys.h"
#include "Ui/ChildParts.h"
#include "Ui/Text.h"
#include "Ui/ViewFile.h"
#include "Ui/XmlAttribute.h"
#include "engine/ErrorStack.h"
#include "engine/Logic.h"
#include "engine/TextConvert.h"
#include "engine/ValueConvert.h"
#include "engine/XML.h"

#include <string>

namespace {

constexpr const char* DATA_FILE = "Farm/ActionAreas/WaterSource.xml";
constexpr UInt LEVEL_KEY = 33;
constexpr UInt CARRY_NOTHING = 0;
constexpr UInt CARRY_CAN = 1;
constexpr UInt CARRY_HOSE = 11;
constexpr UInt UPGRADE_WELL_TIP = 25;
constexpr UInt UPGRADE_PUMP_TIP = 46;
constexpr UInt BUY_SPRINKLE_TIP = 29;

const Vector2& cursor()
{
    static const Vector2 nowhere(-1e9f, -1e9f);
    cLogic* logic = cLogic::getInstance();
    return logic ? logic->getCursor() : nowhere;
}

} // namespace

cWaterSource::cWaterSource(cView* _parent)
    : cActionArea(_parent, AAT_WATER_SOURCE),
      cUpgrade(cGame::WATER_SOURCE, LEVEL_KEY),
      m_upgrade(this, &cWaterSource::onUpgradeButton),
      m_sprinkleButton(new cBuyButton(this)),
      m_sprinkleCostText(new cTextMoney(this))
{
    GUARD_BEGIN
    loadViewFile(this, DATA_FILE);
    m_sprinkleCostText->setString(toWString(std::to_string(m_sprinkleCost)));
    m_sprinkleButton->setOnClick(&cWaterSource::onSprinkleButton);
    // A level past the ones the data describes (an older profile, smaller data) is the last
    // one: the worker knows no water source beyond it.
    if (getUpgrade() >= Int(getLevelCount()))
        setUpgrade(getLevelCount() - 1, false);
    else
        updateUpgrade();
    GUARD_END("cWaterSource::cWaterSource(cView* _parent)")
}

void cWaterSource::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cActionArea::loadXML(_xml_doc);
    cUpgrade::loadXML(_xml_doc);
    if (getLevelCount() == 0)
        throw String(DATA_FILE) + ": the water source has no level Up0.";
    readXmlAttribute(_xml_doc, u"SprinkleCost", m_sprinkleCost, &toInt);
    m_upgrade.loadXML(_xml_doc);
    loadChildPart(_xml_doc, "SprinkleButton", m_sprinkleButton);
    loadChildPart(_xml_doc, "SprinkleCostText", m_sprinkleCostText);
    m_sprinkleButtonDeep = m_sprinkleButton->getDeep();
    m_sprinkleButtonDeepThanGet = m_sprinkleButtonDeep;
    readXmlAttribute(_xml_doc, u"SprinkleButtonDeepThanGet", m_sprinkleButtonDeepThanGet, &toFloat);
    iXML* states = nullptr;
    iXML* child = nullptr;
    if (_xml_doc->get("SprinkleButtonStates", states))
        for (UInt j = 0, count = std::min(states->getChildCount(), SPRINKLE_LOOKS); j < count; ++j)
            if (states->get(j, child))
                m_sprinkleLooks[j].loadXML(child);
    GUARD_END("void cWaterSource::loadXML(iXML* _xml_doc)")
}

void cWaterSource::loadUpgrade(UInt _level, iXML* _xml)
{
    GUARD_BEGIN
    // The worker arriving at a fourth level would have no tool to take.
    if (_level >= LEVEL_COUNT)
        throw String(DATA_FILE) + ": the water source has " + std::to_string(LEVEL_COUNT) + " levels, a can and two " +
            "hoses; " + makeKey("Up", _level) + " is one too many.";
    sLevel& level = m_levels.at(_level);
    level = sLevel{};
    readXmlAttribute(_xml, u"WaterCapacity", level.WaterCapacity, &toFloat);
    if (!(level.WaterCapacity >= 0))
        throw String(DATA_FILE) + ": water source level " + makeKey("Up", _level) + " has a negative WaterCapacity.";
    loadLook(_xml, level.withTool);
    iXML* empty = nullptr;
    level.hasNoInstrument = _xml->get("NoInstrument", empty);
    if (level.hasNoInstrument)
        loadLook(empty, level.noInstrument);
    GUARD_END("void cWaterSource::loadUpgrade(UInt _level, iXML* _xml)")
}

void cWaterSource::loadLook(iXML* _xml, sLook& _look)
{
    _look.normal.loadXML(_xml);
    _look.mask = toString((*_xml)[u"texture_mask"]);
    iXML* hovered = nullptr;
    _look.hasHovered = _xml->get("Hovered", hovered);
    if (_look.hasHovered)
        _look.hovered.loadXML(hovered);
}

const cWaterSource::sLevel* cWaterSource::currentLevel() const
{
    const Int level = getUpgrade();
    if (level < 0 || UInt(level) >= getLevelCount())
        return nullptr;
    return &m_levels[UInt(level)];
}

Float cWaterSource::getCapacity() const
{
    const sLevel* level = currentLevel();
    return level ? level->WaterCapacity : 0.0f;
}

void cWaterSource::updateUpgrade()
{
    GUARD_BEGIN
    if (getUpgrade() == -1)
        return;
    updateInstrumentView();
    m_upgrade.update(*this);
    // The can belongs to the well: past the well the worker has nothing in hand. The worker
    // does not exist yet while the game builds its buildings.
    if (getUpgrade() != 0 && key::PCarry() == CARRY_CAN) {
        cPerson::setCarryState(CARRY_NOTHING);
        if (cPerson* person = cPerson::getInstance()) {
            person->playIdleAnimation();
            person->updateWaterBar();
            person->setDropCurrentTask(true);
        }
    }
    updateSprinkleButton();
    GUARD_END("void cWaterSource::updateUpgrade()")
}

void cWaterSource::updateInstrumentView()
{
    GUARD_BEGIN
    const sLevel* level = currentLevel();
    if (!level)
        return;
    const UInt carry = key::PCarry();
    m_noInstrument = level->hasNoInstrument && (carry == CARRY_CAN || carry == CARRY_HOSE);
    applyLook(m_hoveredLook);
    setMaskTexture(m_noInstrument ? level->noInstrument.mask : level->withTool.mask);
    GUARD_END("void cWaterSource::updateInstrumentView()")
}

void cWaterSource::applyLook(Bool _hovered)
{
    const sLevel* level = currentLevel();
    if (!level)
        return;
    const sLook& look = m_noInstrument ? level->noInstrument : level->withTool;
    const Float time = getAnimTime();
    static_cast<cState&>(*this) = _hovered && look.hasHovered ? look.hovered : look.normal;
    setAnimTime(time);
    setTransformDirty();
    m_hoveredLook = _hovered;
}

void cWaterSource::setStatePicture(eButtonState _state)
{
    GUARD_BEGIN
    applyLook(_state == BS_HOVERED || _state == BS_PRESSED);
    cActionArea::setStatePicture(_state);
    GUARD_END("void cWaterSource::setStatePicture(eButtonState _state)")
}

void cWaterSource::updateSprinkleButton()
{
    GUARD_BEGIN
    const UInt bought = cFarm::getSprinkleCount();
    if (getUpgrade() != Int(SPRINKLE_LEVEL) || bought >= SPRINKLE_LOOKS) {
        m_sprinkleButton->hideAll();
        m_sprinkleButton->disable();
        m_sprinkleCostText->hide();
        return;
    }
    static_cast<cState&>(*m_sprinkleButton) = m_sprinkleLooks[bought];
    m_sprinkleButton->setStatePicture(m_sprinkleButton->getState());
    m_sprinkleButton->show();
    m_sprinkleCostText->show();
    // Over the sprinkle it sells, so the sprinkle on the mouse is drawn beneath it.
    m_sprinkleButton->setDeep(cFarm::s_sprinkleOnMouse ? m_sprinkleButtonDeepThanGet : m_sprinkleButtonDeep);
    const Bool on = !cFarm::s_seedOnMouse && !cFarm::s_sprinkleOnMouse && cGame::getMoney() >= m_sprinkleCost;
    for (cView* part : {static_cast<cView*>(m_sprinkleButton), static_cast<cView*>(m_sprinkleCostText)})
        if (on)
            part->enable();
        else
            part->disable();
    GUARD_END("void cWaterSource::updateSprinkleButton()")
}

void cWaterSource::onUpgradeButton(cView* /*_button*/)
{
    if (cWaterSource* source = getInstance())
        source->buyUpgrade();
}

void cWaterSource::onSprinkleButton(cView* /*_button*/)
{
    if (cWaterSource* source = getInstance())
        source->buySprinkle();
}

void cWaterSource::buyUpgrade()
{
    GUARD_BEGIN
    const Bool hadCan = key::PCarry() == CARRY_CAN;
    if (!cUpgradeControls::buyNextLevel(*this))
        return;
    // The can goes home; the pump shows its hose only when the can has landed.
    cPerson* person = cPerson::getInstance();
    cElasticAnimation* flight = cElasticAnimation::getInstance();
    if (hadCan && person && flight)
        flight->makeFly(person->getPosition(), getPosition(), cElasticAnimation::EA_WATER_CAN, nullptr);
    GUARD_END("void cWaterSource::buyUpgrade()")
}

void cWaterSource::buySprinkle()
{
    GUARD_BEGIN
    cFarm* farm = cFarm::getInstance();
    if (!farm)
        return;
    if (cSprinkle* sprinkle = farm->buySprinkle(m_sprinkleCost))
        sprinkle->setState(BS_PRESSED);
    updateSprinkleButton();
    GUARD_END("void cWaterSource::buySprinkle()")
}

Bool cWaterSource::isPointerOn(cBuyButton* _button)
{
    return _button->isVisible() && _button->pointInRect(cursor());
}

void cWaterSource::clicked()
{
    GUARD_BEGIN
    // A press on its own buttons, or on a sprinkle or package standing over it, is no errand.
    if (isPointerOn(m_upgrade.getButton()) || isPointerOn(m_sprinkleButton) || isCoveredAtPointer())
        cFieldObject::clicked();
    else
        cActionArea::clicked();
    GUARD_END("void cWaterSource::clicked()")
}

void cWaterSource::unclicked()
{
    GUARD_BEGIN
    // At the sprinkle level the tooltip stays, so the price can be read while buying.
    if (getUpgrade() == Int(SPRINKLE_LEVEL))
        cFieldObject::unclicked();
    else
        cActionArea::unclicked();
    GUARD_END("void cWaterSource::unclicked()")
}

void cWaterSource::hovered()
{
    GUARD_BEGIN
    if (const cGame* game = cGame::getInstance())
        setTipText(game->getUpgradeString(UInt(getUpgrade() + 1)));
    cActionArea::hovered();
    GUARD_END("void cWaterSource::hovered()")
}

void cWaterSource::process()
{
    GUARD_BEGIN
    cActionArea::process();
    runTips();
    GUARD_END("void cWaterSource::process()")
}

void cWaterSource::runTips()
{
    if (getUpgrade() <= 1)
        m_upgrade.pointTip(getUpgrade() == 0 ? UPGRADE_WELL_TIP : UPGRADE_PUMP_TIP);
    farm::runArrowTipAtButton(BUY_SPRINKLE_TIP, m_sprinkleButton);
}
