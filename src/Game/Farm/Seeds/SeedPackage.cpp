#include "Game/Farm/Seeds/SeedPackage.h"

#include "Game/Farm/Buildings/DigBuilding.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/FarmMoment.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Ui/boxes/ProgressDiscrete.h"
#include "Ui/views/ViewFile.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/resources/Resource.h"
#include "engine/resources/ResourceManager.h"
#include "engine/resources/SoundManager.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"

namespace {

constexpr eTips PUT_DOWN_TIP = 16;
constexpr eTips FETCH_SPADE_TIP = 20;
constexpr eTips PLOUGH_TIP = 21;
constexpr UInt CARRY_SPADE = 2;
// Over fields, packages and sprinkles the front-most one shows its tooltip.
constexpr UInt TOOLTIP_MASK = AAT_FIELD | AAT_SEED_PACKAGE | AAT_SPRINKLE;

} // namespace

void cSeedPackage::sReleaseResource::operator()(iResource* _resource) const
{
    _resource->release();
}

cSeedPackage::cSeedPackage(cView* _parent, UInt _seedType, UInt _count, const Vector2& _position, UInt _state,
                           Bool _bought)
    : cActionArea(_parent, AAT_SEED_PACKAGE), m_seedType(_seedType), m_count(_count), m_bought(_bought),
      m_counter(new cProgressDiscrete(this))
{
    GUARD_BEGIN
    loadViewFile(this, "Farm/ActionAreas/SeedPackage.xml");
    showLook();
    m_counter->hide();
    setCount(_count);
    setPosition(_position);
    if (_state == ON_MOUSE)
        takePointer();
    setState(_state);
    GUARD_END("cSeedPackage::cSeedPackage(cView* _parent, UInt _seed_type, UInt _count, Vector2 _pos, UInt _state, Bool _bought)")
}

cSeedPackage::~cSeedPackage()
{
    // Nothing may keep pointing at a package that is gone.
    if (cFarm::s_objectOnMouse == this) {
        cFarm::clearObjectOnMouse();
        if (cFarm* farm = cFarm::getInstance())
            farm->unlockSeedsButton();
    }
}

void cSeedPackage::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cActionArea::loadXML(_xml_doc);
    m_normalColor = getColor();
    readXmlAttribute(_xml_doc, u"UnfitColor", m_unfitColor, &toDXColor);
    iXML* use = nullptr;
    if (_xml_doc->get("Use", use)) {
        m_counter->loadXML(use);
        const Vector2& at = m_counter->getPosition();
        const Vector2& position = getPosition();
        m_counter->setPosition(Vector2(position.x + at.x, position.y + at.y));
        m_counter->setDeep(getDeep() + m_counter->getDeep());
    }
    m_takeSound = loadSound(_xml_doc, u"TakeSound");
    m_dropSound = loadSound(_xml_doc, u"DropSound");
    GUARD_END("void cSeedPackage::loadXML(iXML* xml_doc)")
}

cSeedPackage::SOUND cSeedPackage::loadSound(iXML* _xml_doc, const char16_t* _key)
{
    const String path = toString((*_xml_doc)[_key]);
    cResourceManager* resources = cResourceManager::getInstance();
    return SOUND(path.empty() || !resources ? nullptr : resources->getSound(path));
}

void cSeedPackage::play(const SOUND& _sound)
{
    cSoundManager* sound = cSoundManager::getInstance();
    if (_sound && sound)
        sound->play(_sound.get());
}

void cSeedPackage::showLook()
{
    const cGame* game = cGame::getInstance();
    const cGame::sSeedsInfo* info = game ? game->getSeedsInfo(cGame::eCultivationType(m_seedType)) : nullptr;
    if (info && info->Icon.getPicture())
        static_cast<cState&>(*this) = info->Icon;
}

void cSeedPackage::setCount(UInt _count)
{
    GUARD_BEGIN
    m_count = _count;
    m_counter->setValue(_count);
    GUARD_END("void cSeedPackage::setCount(UInt _count)")
}

const Vector2& cSeedPackage::cursor()
{
    return getCursor();
}

Vector2 cSeedPackage::target() const
{
    const Vector2& at = cursor();
    return Vector2(at.x - m_grabOffset.x, at.y - m_grabOffset.y);
}

Bool cSeedPackage::fitsAt(const Vector2& _point) const
{
    cFarm* farm = cFarm::getInstance();
    return farm && farm->havePlaceToFitArea(const_cast<cSeedPackage*>(this), _point);
}

void cSeedPackage::takePointer()
{
    cFarm::s_seedOnMouse = true;
    cFarm::s_objectOnMouse = this;
}

void cSeedPackage::leavePointer()
{
    // Only its own: whatever else hangs on the mouse keeps its place there.
    if (cFarm::s_objectOnMouse != this)
        return;
    cFarm::s_seedOnMouse = false;
    cFarm::s_objectOnMouse = nullptr;
}

void cSeedPackage::retakePointer()
{
    cFarm* farm = cFarm::getInstance();
    std::vector<cSeedPackage*> packages;
    if (farm)
        farm->getSeedPackageList(packages);
    for (cSeedPackage* package : packages)
        if (package->getState() == ON_MOUSE && !cFarm::s_objectOnMouse) {
            package->takePointer();
            package->m_grabOffset = Vector2(0, 0);
            farm->lockSeedsButton();
        }
}

void cSeedPackage::setState(UInt _state)
{
    GUARD_BEGIN
    cFarm* farm = cFarm::getInstance();
    if (_state != m_state) {
        m_state = _state;
        if (farm && _state == ON_MOUSE)
            farm->lockSeedsButton();
        // A sprinkle on the pointer keeps the shop shut: the pointer holds one thing at a time.
        else if (farm && !cFarm::s_objectOnMouse)
            farm->unlockSeedsButton();
        if (_state == LYING) {
            if (pointInRect(cursor()))
                m_counter->show();
            else
                m_counter->hide();
        }
    }
    if (m_state == TAKEN) {
        m_counter->hide();
        show();
        // Its tooltip goes with the package into the worker's hands.
        if (cFieldObject::getState() == BS_HOVERED || cFieldObject::getState() == BS_PRESSED)
            cTips<cFieldObject>::unhovered();
    }
    GUARD_END("void cSeedPackage::setState(UInt _state)")
}

void cSeedPackage::putDown(const Vector2& _point)
{
    cFieldObject::setState(BS_HOVERED);
    setPosition(_point);
    setColor(m_normalColor);
    leavePointer();
    setState(LYING);
    play(m_dropSound);
    // However it comes down, a purchase is paid once it lies on the farm: a package let go at
    // the end of a drag must not lie there for free.
    pay();
}

void cSeedPackage::pay()
{
    if (!m_bought)
        return;
    m_bought = false;
    const cGame* game = cGame::getInstance();
    const cGame::sSeedsInfo* info = game ? game->getSeedsInfo(cGame::eCultivationType(m_seedType)) : nullptr;
    if (info)
        cGame::setMoney(cGame::getMoney() - Int(info->Price));
}

void cSeedPackage::clicked()
{
    GUARD_BEGIN
    // In the worker's hands the package is no longer on the ground to be pressed.
    if (m_state == TAKEN)
        return;
    cTips<cFieldObject>::clicked();
    cFarm* farm = cFarm::getInstance();
    if (m_state == ON_MOUSE) {
        const Vector2 point = target();
        cTutorialManager* tutorial = farm::tutorial();
        if (fitsAt(point)) {
            putDown(point);
        } else if (m_bought && farm::isOnScreen() && !(tutorial && tutorial->isCurrentTip(PUT_DOWN_TIP))) {
            // A purchase that cannot go down is called off: nothing was paid for it.
            m_bought = false;
            leavePointer();
            setState(LYING);
            farm->removeActionArea(this);
        }
        return;
    }
    // Only the front-most object under the pointer takes the press; a package in the
    // worker's hands is passed over.
    ACTION_AREA_LIST hit;
    if (farm)
        farm->getAlertedObjectList(cursor(), AAT_ALL, hit);
    cActionArea* front = nullptr;
    for (cActionArea* area : hit) {
        if (area->getAreaType() == AAT_SEED_PACKAGE && static_cast<cSeedPackage*>(area)->getState() == TAKEN)
            continue;
        if (!front || area->getDeep() > front->getDeep())
            front = area;
    }
    // The mouse carries one thing at a time.
    if (front != this || cFarm::s_objectOnMouse)
        return;
    setState(PRESSED);
    m_pressPoint = cursor();
    const Vector2& at = getPosition();
    m_grabOffset = Vector2(m_pressPoint.x - at.x, m_pressPoint.y - at.y);
    GUARD_END("void cSeedPackage::clicked()")
}

void cSeedPackage::unclicked()
{
    GUARD_BEGIN
    switch (m_state) {
    case ON_MOUSE: {
        const Vector2 point = target();
        if (fitsAt(point))
            putDown(point);
        break;
    }
    case PRESSED: clickWithoutDrag(); break;
    case TAKEN: break;
    default: cTips<cFieldObject>::unclicked(); break;
    }
    GUARD_END("void cSeedPackage::unclicked()")
}

void cSeedPackage::clickWithoutDrag()
{
    leavePointer();
    setState(LYING);
    cTips<cFieldObject>::unclicked();
    // Each click offset takes one waiting job; a package asks no more of the worker. A press
    // ended by the focus going asks nothing.
    cPerson* person = cPerson::getInstance();
    if (!person || !isPlayersRelease() || getQueued() >= getClickOffsets().size())
        return;
    person->addActionArea(this, getNextClickPoint());
    addQueued();
}

void cSeedPackage::process()
{
    GUARD_BEGIN
    cTips<cFieldObject>::process();
    switch (m_state) {
    case PRESSED: {
        const Vector2& at = cursor();
        const Float dx = at.x - m_pressPoint.x, dy = at.y - m_pressPoint.y;
        if (dx * dx + dy * dy >= DRAG_DISTANCE * DRAG_DISTANCE && !cFarm::s_objectOnMouse) {
            takePointer();
            setState(ON_MOUSE);
            play(m_takeSound);
        }
        break;
    }
    case ON_MOUSE: {
        const Vector2 point = target();
        setPosition(point);
        setColor(fitsAt(point) ? m_normalColor : m_unfitColor);
        if (farm::isOnScreen() && farm::canRunTip(PUT_DOWN_TIP))
            farm::runActionTip(PUT_DOWN_TIP, nullptr);
        break;
    }
    case LYING: runLyingTips(); break;
    default: break;
    }
    GUARD_END("void cSeedPackage::process()")
}

void cSeedPackage::runLyingTips()
{
    if (!farm::isOnScreen())
        return;
    if (key::PCarry() == CARRY_SPADE) {
        cFarm* farm = cFarm::getInstance();
        if (farm::canRunTip(PLOUGH_TIP))
            farm::runActionTip(PLOUGH_TIP, farm ? farm->getAnyUngrowGrassField() : nullptr);
        return;
    }
    // The tip points at the building: without one on the ground it would point nowhere.
    cDigBuilding* dig = cDigBuilding::getInstance();
    cControl* building = dig ? dig->asControl() : nullptr;
    if (building && farm::canRunTip(FETCH_SPADE_TIP))
        farm::runActionTip(FETCH_SPADE_TIP, building);
}

void cSeedPackage::hovered()
{
    GUARD_BEGIN
    if (m_state != TAKEN)
        m_counter->show();
    cFarm* farm = cFarm::getInstance();
    if (farm && farm->getDeepNearestObject(cursor(), TOOLTIP_MASK) == this)
        cTips<cFieldObject>::hovered();
    else
        cFieldObject::hovered();
    GUARD_END("void cSeedPackage::hovered()")
}

void cSeedPackage::unhovered()
{
    GUARD_BEGIN
    m_counter->hide();
    cTips<cFieldObject>::unhovered();
    GUARD_END("void cSeedPackage::unhovered()")
}

cSeedPackage* cSeedPackage::makeBought(UInt _seedType)
{
    GUARD_BEGIN
    cFarm* farm = cFarm::getInstance();
    if (!farm)
        return nullptr;
    return new cSeedPackage(farm->getSlidingPicture(), _seedType, BOUGHT_COUNT, cursor(), ON_MOUSE, true);
    GUARD_END("cSeedPackage* cSeedPackage::makeBought(UInt _seed_type)")
}
