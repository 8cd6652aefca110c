#include "Game/Farm/Water/Sprinkle.h"

#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/FarmMoment.h"
#include "Game/Farm/Water/SprinkleEffect.h"
#include "Game/Farm/Water/WaterSource.h"
#include "Game/Game.h"
#include "Ui/views/ViewFile.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/frame/Logic.h"
#include "engine/resources/Resource.h"
#include "engine/resources/ResourceManager.h"
#include "engine/resources/SoundManager.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"

namespace {

constexpr const char* DATA_FILE = "Farm/ActionAreas/Sprinkle.xml";
constexpr const char* EFFECT_FILE = "Effects/SprinkleEffect.xml";
// Only fields claim the cursor before a sprinkler; sprinklers and packages share it by depth.
constexpr UInt FIELDS = AAT_FIELD;
constexpr UInt CARRIED_KINDS = AAT_SEED_PACKAGE | AAT_SPRINKLE;

} // namespace

void cSprinkle::sReleaseSound::operator()(iResource* _sound) const
{
    _sound->release();
}

cSprinkle::cSprinkle(cView* _parent, UInt _status, UInt _index) : cActionArea(_parent, AAT_SPRINKLE), m_index(_index)
{
    GUARD_BEGIN
    // A slot past the variables kept for sprinklers could not keep its state.
    if (!key::SPStatus.has(_index))
        throw "A sprinkler has no slot " + std::to_string(_index) + ".";
    // Loading places the area where the data says: the slot's own place is read first.
    const Vector2 kept(key::SPXPos[m_index], key::SPYPos[m_index]);
    loadViewFile(this, DATA_FILE);
    const Vector2 origin = groundOrigin();
    setPosition(Vector2(origin.x + kept.x, origin.y + kept.y));
    // The spray runs in the absolute pass, as the hose's does: the sprinkle carries it there.
    absoluteEnable();
    m_effect = new cSprinkleEffect(this, EFFECT_FILE);
    m_effect->startTime(0);
    placeEffect();
    if (_status == ON_MOUSE) {
        cFarm::s_sprinkleOnMouse = true;
        cFarm::s_objectOnMouse = this;
    }
    setStatus(_status);
    m_exists = key::SPExist[m_index];
    GUARD_END("cSprinkle::cSprinkle(cView* _parent, UInt _status, UInt _index)")
}

cSprinkle::~cSprinkle()
{
    if (cFarm::s_objectOnMouse == this)
        cFarm::clearObjectOnMouse();
}

void cSprinkle::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cActionArea::loadXML(_xml_doc);
    m_normalColor = getColor();
    readXmlAttribute(_xml_doc, u"Radius", m_radius, &toFloat);
    readXmlAttribute(_xml_doc, u"UnfitColor", m_unfitColor, &toDXColor);
    m_dropSound = loadSound(_xml_doc, u"DropSound");
    m_installSound = loadSound(_xml_doc, u"InstallSound");
    m_takeSound = loadSound(_xml_doc, u"TakeSound");
    GUARD_END("void cSprinkle::loadXML(iXML* _xml_doc)")
}

cSprinkle::tSound cSprinkle::loadSound(iXML* _xml_doc, const char16_t* _name)
{
    const String path = toString((*_xml_doc)[_name]);
    cResourceManager* resources = cResourceManager::getInstance();
    return tSound(path.empty() || !resources ? nullptr : resources->getSound(path));
}

void cSprinkle::play(const tSound& _sound)
{
    cSoundManager* sound = cSoundManager::getInstance();
    if (sound && _sound)
        sound->play(_sound.get());
}

const Vector2& cSprinkle::cursor()
{
    static const Vector2 nowhere(-1.0e9f, -1.0e9f);
    cLogic* logic = cLogic::getInstance();
    return logic ? logic->getCursor() : nowhere;
}

Vector2 cSprinkle::groundOrigin() const
{
    cView* parent = getParent();
    const cControl* ground = parent ? parent->asControl() : nullptr;
    return ground ? ground->getPosition() : Vector2(0, 0);
}

void cSprinkle::keepPlace()
{
    const Vector2 origin = groundOrigin();
    const Vector2& at = getPosition();
    key::SPXPos[m_index] = at.x - origin.x;
    key::SPYPos[m_index] = at.y - origin.y;
}

void cSprinkle::placeEffect()
{
    const Vector2& position = getPosition();
    m_effect->setPosition(Vector2(position.x, position.y - SPRAY_HEIGHT));
    m_effect->setDeep(getDeep() + 1);
}

void cSprinkle::refreshSprinkleButton()
{
    if (cWaterSource* source = cWaterSource::getInstance())
        source->updateSprinkleButton();
}

void cSprinkle::setStatus(UInt _status)
{
    GUARD_BEGIN
    if (key::SPStatus[m_index] != _status)
        key::SPStatus[m_index] = _status;
    cFarm* farm = cFarm::getInstance();
    if (_status == SET_DOWN && farm) {
        farm->getFieldWithinRadius(getPosition(), m_radius, m_fields);
        farm->clearAllUnderwaterSign();
    }
    if (_status == ON_MOUSE) {
        if (farm)
            farm->lockSeedsButton();
        m_effect->setActive(false);
    } else {
        // The seeds button comes back only with seeds to sell, and not under a package.
        if (farm && !cFarm::s_seedOnMouse)
            farm->updateSeedsButton();
        placeEffect();
        if (_status == SET_DOWN)
            m_effect->setActive(!m_fields.empty());
    }
    refreshSprinkleButton();
    GUARD_END("void cSprinkle::setStatus(UInt _status)")
}

void cSprinkle::process()
{
    GUARD_BEGIN
    cActionArea::process();
    switch (getStatus()) {
    case PRESSED: {
        const Vector2& at = cursor();
        const Float dx = at.x - m_grabPoint.x, dy = at.y - m_grabPoint.y;
        if (dx * dx + dy * dy > LIFT_DISTANCE * LIFT_DISTANCE && !cFarm::s_objectOnMouse) {
            cFarm::s_sprinkleOnMouse = true;
            cFarm::s_objectOnMouse = this;
            setStatus(ON_MOUSE);
            play(m_takeSound);
        }
        break;
    }
    case ON_MOUSE:
        followCursor();
        break;
    default:
        water(farm::frameTime());
        break;
    }
    GUARD_END("void cSprinkle::process()")
}

void cSprinkle::followCursor()
{
    const Vector2& at = cursor();
    // Carried, not kept: the slot keeps where it was last set down.
    setPosition(Vector2(at.x - m_grabOffset.x, at.y - m_grabOffset.y));
    placeEffect();
    cFarm* farm = cFarm::getInstance();
    if (!farm)
        return;
    farm->clearAllUnderwaterSign();
    if (!farm->havePlaceToFitSprinkle(this, at)) {
        setColor(m_unfitColor);
        return;
    }
    setColor(m_normalColor);
    FARM_FIELD_HOLDER reached;
    farm->getFieldWithinRadius(getPosition(), m_radius, reached);
    for (cFarmFieldTile* field : reached)
        field->setUnderWater(true);
}

void cSprinkle::water(Float _dt)
{
    GUARD_BEGIN
    const cWaterSource* source = cWaterSource::getInstance();
    const Float amount = source ? source->getCapacity() * _dt : 0.0f;
    if (!(amount > 0))
        return;
    for (cFarmFieldTile* field : m_fields)
        field->addWater(amount);
    GUARD_END("void cSprinkle::water(Float _dt)")
}

void cSprinkle::setDown(Bool _undoWithoutRoom)
{
    cFarm* farm = cFarm::getInstance();
    const Vector2& at = cursor();
    if (!farm || !farm->havePlaceToFitSprinkle(this, at)) {
        // One that was paid stays on the mouse until a free place is found.
        if (m_exists || !_undoWithoutRoom)
            return;
        key::SPExist[m_index] = false;
        undoPurchase();
        return;
    }
    setPosition(Vector2(at.x - m_grabOffset.x, at.y - m_grabOffset.y));
    keepPlace();
    takeOffMouse();
    setStatus(SET_DOWN);
    if (m_exists) {
        play(m_dropSound);
        return;
    }
    const cWaterSource* source = cWaterSource::getInstance();
    const Int left = cGame::getMoney() - (source ? source->getSprinkleCost() : 0);
    if (left < 0) {
        undoPurchase();
        return;
    }
    m_exists = true;
    key::SPExist[m_index] = true;
    play(m_installSound);
    cGame::setMoney(left);
    cGame::requestSave();
}

void cSprinkle::takeOffMouse()
{
    // Only its own: a press on a standing sprinkler leaves what hangs on the mouse there.
    if (cFarm::s_objectOnMouse != this)
        return;
    cFarm::s_sprinkleOnMouse = false;
    cFarm::s_objectOnMouse = nullptr;
}

void cSprinkle::undoPurchase()
{
    takeOffMouse();
    setStatus(SET_DOWN);
    setColor(m_normalColor);
    if (cFarm* farm = cFarm::getInstance()) {
        farm->clearAllUnderwaterSign();
        farm->destroySprinkle(this);
    }
    refreshSprinkleButton();
}

void cSprinkle::clicked()
{
    GUARD_BEGIN
    // The button's press, its tooltip sent away; no errand for the worker.
    cTips<cFieldObject>::clicked();
    if (getStatus() == ON_MOUSE) {
        setDown(true);
        return;
    }
    // The mouse carries one thing at a time: while something else hangs on it, a standing
    // sprinkler is not taken up.
    if (cFarm::s_objectOnMouse)
        return;
    const cFarm* farm = cFarm::getInstance();
    if (farm && farm->getDeepNearestObject(cursor(), AAT_ALL) == this) {
        setStatus(PRESSED);
        m_grabPoint = cursor();
        m_grabOffset = Vector2(m_grabPoint.x - getPosition().x, m_grabPoint.y - getPosition().y);
    }
    GUARD_END("void cSprinkle::clicked()")
}

void cSprinkle::unclicked()
{
    GUARD_BEGIN
    cTips<cFieldObject>::unclicked();
    if (getStatus() == ON_MOUSE) {
        // A release sets it down as a press does, paid when it is new; without room it stays.
        setDown(false);
        return;
    }
    if (getStatus() != PRESSED)
        return;
    // Pressed and let go without moving: it stays, and gathers its fields anew.
    takeOffMouse();
    setStatus(SET_DOWN);
    GUARD_END("void cSprinkle::unclicked()")
}

void cSprinkle::hovered()
{
    GUARD_BEGIN
    const cFarm* farm = cFarm::getInstance();
    const Bool mine = farm && getStatus() != ON_MOUSE && !farm->onObjectCorrect(cursor(), FIELDS) &&
                      farm->getDeepNearestObject(cursor(), CARRIED_KINDS) == this;
    if (mine)
        cActionArea::hovered();
    else
        cFieldObject::hovered();
    GUARD_END("void cSprinkle::hovered()")
}

void cSprinkle::setStatePicture(eButtonState _state)
{
    GUARD_BEGIN
    cFieldObject::setStatePicture(_state);
    GUARD_END("void cSprinkle::setStatePicture(eButtonState _state)")
}
