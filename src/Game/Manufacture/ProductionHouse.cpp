#include "Game/Manufacture/ProductionHouse.h"

#include "engine/logs/ErrorStack.h"
#include "engine/frame/Logic.h"
#include "engine/logs/LogManager.h"
#include "engine/resources/Resource.h"
#include "engine/resources/ResourceManager.h"
#include "engine/resources/SoundManager.h"
#include "engine/text/TermFill.h"
#include "engine/text/TextConvert.h"
#include "engine/frame/Timer.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Manufacture/HouseKind.h"
#include "Game/Manufacture/Manufacture.h"
#include "Game/Manufacture/ProductionLaw.h"
#include "Game/Manufacture/SensorPanel.h"
#include "Game/Tutorial/TutorialManager.h"
#include "graphics/Graphics.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/boxes/ProgressFloat.h"
#include "Ui/views/ResourceHold.h"
#include "Ui/boxes/ScrollBox.h"
#include "Ui/texts/Text.h"
#include "Ui/views/ViewFile.h"
#include "Ui/views/XmlAttribute.h"

#include <algorithm>
#include <string>

cProductionHouse* cProductionHouse::s_taken = nullptr;

namespace {

WString counted(const WString& _words, UInt _count)
{
    return fillTerms(_words, {{u"{count}", toWString(std::to_string(_count))}});
}

// What a count tag says around its number: its element's "Words" with "{count}".
void readCountWords(iXML* _xml_doc, const char* _tag, WString& _words)
{
    iXML* tag = nullptr;
    if (!_xml_doc->get(_tag, tag))
        return;
    if (const WString* words = findXmlAttribute(tag, u"Words"))
        _words = *words;
}

cWareHouse* wareHouse()
{
    return cWareHouse::getInstance();
}

UInt warehouseCount(UInt _kind)
{
    const cWareHouse* ware = wareHouse();
    return ware ? ware->getGoodCount(_kind) : 0;
}

UInt warehouseRoom()
{
    const cWareHouse* ware = wareHouse();
    return ware ? ware->getFreeSpace() : 0;
}

const sHouseKind& requireKind(UInt _type)
{
    const sHouseKind* kind = findHouseKind(_type);
    if (!kind)
        throw "unknown building";
    return *kind;
}

cProductionHouse* houseOf(cView* _control)
{
    for (cView* view = _control; view; view = view->getParent())
        if (auto* house = dynamic_cast<cProductionHouse*>(view))
            return house;
    return nullptr;
}

void releaseSound(iResource*& _sound)
{
    if (_sound)
        _sound->release();
    _sound = nullptr;
}

} // namespace

cProductionHouse::cProductionHouse(UInt _type, UInt _slot, cView* _parent)
    : cTips<cOverlayButton>(_parent), cUpgrade(_type, _slot), m_type(_type), m_kind(&requireKind(_type))
{
    GUARD_BEGIN
    key::ProdType[_slot] = _type;
    makeControls();
    GUARD_END("cProductionHouse::cProductionHouse(eProductionHouseType _type, UInt _slot, cView* _parent)")
}

cProductionHouse* cProductionHouse::create(UInt _type, UInt _slot, cView* _parent)
{
    GUARD_BEGIN
    const sHouseKind& kind = requireKind(_type);
    auto* house = new cProductionHouse(_type, _slot, _parent);
    try {
        loadViewFile(house, kind.file);
    } catch (...) {
        delete house;
        throw;
    }
    return house;
    GUARD_END("cProductionHouse* cProductionHouse::create(eProductionHouseType _type, UInt _slot, cView* _parent)")
}

cProductionHouse::~cProductionHouse()
{
    if (s_taken == this)
        s_taken = nullptr;
    for (iResource** sound : {&m_jobDoneSound, &m_buildSound, &m_takeHouseSound, &m_dropHouseSound, &m_destroySound})
        releaseSound(*sound);
}

void cProductionHouse::makeControls()
{
    m_podlogka = new cPicture(this);
    m_iPodlogka = new cPicture(this);
    m_loadedSubst = new cPicture(this);
    m_takeIcon = new cAnimButton(this);
    m_givenIcon = new cAnimButton(this);
    m_startStopButton = new cStartStopButton(this);
    m_warehouseQtyTag = new cText(this);
    m_loadedQtyTag = new cText(this);
    m_loaded = new cScrollBox(this);
    m_loadedFloat = new cProgressFloat(this);
    m_addStockButton = new cAnimButton(this);
    m_addDepotButton = new cAnimButton(this);
    m_sensorPanel = new cSensorPanel(this, this);
}

UInt cProductionHouse::getInputKind() const
{
    return inputKindOf(*m_kind);
}

UInt cProductionHouse::getOutputKind() const
{
    return outputKindOf(*m_kind);
}

void cProductionHouse::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cTips<cOverlayButton>::loadXML(_xml_doc);
    cUpgrade::loadXML(_xml_doc);
    m_baseDeep = getDeep();
    m_ownColor = getColor();
    loadSounds(_xml_doc);
    loadPanel(_xml_doc);
    readXmlAttribute(_xml_doc, u"IconType", m_iconType, &toUInt);
    readXmlAttribute(_xml_doc, u"UnfitColor", m_unfitColor, &toDXColor);
    readXmlAttribute(_xml_doc, u"PodlogkaFitColor", m_podlogkaFitColor, &toDXColor);
    readXmlAttribute(_xml_doc, u"PodlogkaUnfitColor", m_podlogkaUnfitColor, &toDXColor);
    if (const cGame* game = cGame::getInstance()) {
        const cGame::sProdInfo* input = game->getProdInfo(getInputKind());
        const cGame::sProdInfo* output = game->getProdInfo(getOutputKind());
        if (input)
            static_cast<cState&>(*m_takeIcon) = m_iconType == 0 ? input->Icon : input->IconLarge;
        if (output)
            static_cast<cState&>(*m_givenIcon) = m_iconType == 0 ? output->Icon : output->IconLarge;
    }
    placePanel();
    m_addDepotButton->setOnClick(&cProductionHouse::onAddDepot);
    m_addStockButton->setOnClick(&cProductionHouse::onAddStock);
    m_startStopButton->setOnClick(&cProductionHouse::onStartStop);
    m_loaded->setOnChange(&cProductionHouse::onLoadedChange);
    m_loaded->setOnDrag(&cProductionHouse::onLoadedDrag);
    if (getUpgrade() == -1)
        startNew();
    else
        restore();
    m_rate = productionRate(currentLevel().MaxProductionTime);
    unhovered();
    const String lighter = toString((*_xml_doc)[u"lighter_mask"]);
    if (!lighter.empty())
        getOverlay()->setPicture(lighter);
    GUARD_END("void cProductionHouse::loadXML(iXML* xml_doc)")
}

void cProductionHouse::loadSounds(iXML* _xml_doc)
{
    const std::pair<const char16_t*, iResource**> sounds[] = {{u"JobDoneSound", &m_jobDoneSound},
        {u"BuildSound", &m_buildSound}, {u"TakeHouseSound", &m_takeHouseSound},
        {u"DropHouseSound", &m_dropHouseSound}, {u"DestroySound", &m_destroySound}};
    for (const auto& sound : sounds) {
        const String path = toString((*_xml_doc)[sound.first]);
        if (!path.empty())
            holdByPath(*sound.second, path, &cResourceManager::getSound);
    }
}

void cProductionHouse::loadPanel(iXML* _xml_doc)
{
    const std::pair<const char*, cView*> parts[] = {{"TakeIcon", m_takeIcon}, {"GivenIcon", m_givenIcon},
        {"StartStopButton", m_startStopButton}, {"WarehouseQtyTag", m_warehouseQtyTag},
        {"LoadedQtyTag", m_loadedQtyTag}, {"LoadedFloat", m_loadedFloat}, {"Loaded", m_loaded},
        {"AddStockButton", m_addStockButton}, {"AddDepotButton", m_addDepotButton},
        {"LoadedSubst", m_loadedSubst}, {"Podlogka", m_podlogka}, {"IPodlogka", m_iPodlogka},
        {"SensorPanel", m_sensorPanel}};
    for (const auto& part : parts)
        loadChildPart(_xml_doc, part.first, part.second);
    readCountWords(_xml_doc, "WarehouseQtyTag", m_warehouseWords);
    readCountWords(_xml_doc, "LoadedQtyTag", m_loadedWords);
}

// The panel's places in the data are relative to the house.
void cProductionHouse::placePanel()
{
    const Vector2 origin = getPosition();
    cControl* const controls[] = {m_takeIcon, m_givenIcon, m_startStopButton, m_warehouseQtyTag, m_loadedQtyTag,
        m_loadedFloat, m_loaded, m_addStockButton, m_addDepotButton, m_loadedSubst, m_podlogka, m_iPodlogka,
        m_sensorPanel};
    for (cControl* control : controls) {
        const Vector2& at = control->getPosition();
        control->setPosition(Vector2(at.x + origin.x, at.y + origin.y));
    }
    m_podlogka->hide();
}

void cProductionHouse::startNew()
{
    applyLook(m_levels[0].normal, false);
    if (cManufacture* manufacture = cManufacture::getInstance())
        manufacture->unhoverAll(this);
    m_flags = TAKEN;
    setDeep(m_baseDeep + TAKEN_DEEP);
    s_taken = this;
    m_built = false;
    key::ProdOnMouse() = m_type + 1;
    cLogic* logic = cLogic::getInstance();
    setPos(logic ? logic->getCursor() : getPosition(), false);
    m_grabOffset = Vector2(0, 0);
    setStopped(false);
    m_startStopButton->setSign(false);
    // Nothing can be started or stopped before the house stands.
    m_startStopButton->hide();
    setProdCount(0);
    hidePanel();
    if (cManufacture* manufacture = cManufacture::getInstance()) {
        manufacture->showAllPodlogka(true);
        manufacture->disableControls();
    }
    showPodlogka(true);
}

void cProductionHouse::restore()
{
    setPos(Vector2(key::XProdPos[getIndex()], key::YProdPos[getIndex()]), false);
    setUpgrade(UInt(getUpgrade()), false);
    m_built = true;
    const Bool stopped = isStopped();
    m_startStopButton->setSign(stopped);
    const UInt count = getProdCount();
    setProdCount(count);
    if (count > 0)
        m_flags |= WORKING;
    if (stopped)
        m_flags |= STOPPED;
    setDeep(m_baseDeep);
}

void cProductionHouse::loadUpgrade(UInt _level, iXML* _xml)
{
    GUARD_BEGIN
    sLevel& level = m_levels[_level];
    readXmlAttribute(_xml, u"MaxProductionTime", level.MaxProductionTime, &toFloat);
    readXmlAttribute(_xml, u"ProductionNum", level.ProductionNum, &toUInt);
    // Production divides by both: a level without them could never make anything.
    if (!(level.MaxProductionTime > 0) || level.ProductionNum == 0)
        throw String(m_kind->file) + ": level " + std::to_string(_level) +
            " needs a MaxProductionTime above 0 and a ProductionNum above 0.";
    level.normal.loadXML(_xml);
    level.texture_mask = toString((*_xml)[u"texture_mask"]);
    iXML* hovered = nullptr;
    if (_xml->get("Hovered", hovered))
        level.hovered.loadXML(hovered);
    else
        level.hovered = level.normal;
    GUARD_END("void cProductionHouse::loadUpgrade(UInt _level, iXML* _xml)")
}

Int cProductionHouse::currentLevelIndex() const
{
    const Int level = getUpgrade();
    const Int last = std::max(Int(getLevelCount()) - 1, 0);
    return std::clamp(level, 0, last);
}

const cProductionHouse::sLevel& cProductionHouse::currentLevel() const
{
    return m_levels[currentLevelIndex()];
}

UInt cProductionHouse::getCapacity() const
{
    return currentLevel().ProductionNum;
}

const cState& cProductionHouse::getUpgradeState(UInt _level) const
{
    GUARD_BEGIN
    if (_level >= cUpgrade::MAX_LEVELS)
        throw "bad level";
    return m_levels[_level].normal;
    GUARD_END("cState& cProductionHouse::getUpgradeState(UInt _level)")
}

WString cProductionHouse::getName() const
{
    return m_kind->name;
}

const VECTOR_VECTOR_BOOL* cProductionHouse::getCurrentMask() const
{
    const VECTOR_VECTOR_BOOL& mask = currentLevel().mask;
    return mask.empty() || mask.front().empty() ? nullptr : &mask;
}

void cProductionHouse::setLevelMask(UInt _level, const VECTOR_VECTOR_BOOL& _mask)
{
    if (_level < cUpgrade::MAX_LEVELS)
        m_levels[_level].mask = _mask;
}

Bool cProductionHouse::pointInRect(const Vector2& _point)
{
    GUARD_BEGIN
    if (!containsPoint(_point))
        return false;
    if (m_flags & TAKEN)
        return true;
    const VECTOR_VECTOR_BOOL* mask = getCurrentMask();
    return !mask || isMaskSet(getPosition(), getSize(), mask, _point.x, _point.y);
    GUARD_END("Bool cProductionHouse::pointInRect(const Vector2& pnt)")
}

void cProductionHouse::updateUpgrade()
{
    GUARD_BEGIN
    if (getUpgrade() == -1 || getLevelCount() == 0)
        return;
    sLevel& level = m_levels[currentLevelIndex()];
    applyLook(level.normal, false);
    if (!level.texture_mask.empty() && level.mask.empty()) {
        if (iGraphics* graphics = iGraphics::getInstance())
            graphics->getMask(level.texture_mask, level.mask);
    }
    m_rate = productionRate(level.MaxProductionTime);
    returnExcess(level.ProductionNum);
    setProdCount(getProdCount());
    if (getUpgrade() == 3)
        key::awDepotUpg[getItem()] = true;
    GUARD_END("void cProductionHouse::updateUpgrade()")
}

// A level with less room gives back what no longer fits instead of losing it.
void cProductionHouse::returnExcess(UInt _capacity)
{
    const UInt count = getProdCount();
    if (count <= _capacity)
        return;
    const UInt excess = count - _capacity;
    cWareHouse* ware = wareHouse();
    const UInt returned = ware ? ware->addGoods(getInputKind(), excess, true, false) : 0;
    key::ProdCount[getIndex()] = _capacity;
    if (returned < excess)
        getLog("error")->print("Production slot " + std::to_string(getIndex()) + " lost " +
                               std::to_string(excess - returned) + " units that the warehouse had no room for.");
}

UInt cProductionHouse::getProdCount() const
{
    return key::ProdCount[getIndex()];
}

void cProductionHouse::setProdCount(UInt _count)
{
    GUARD_BEGIN
    if (_count == 0)
        setProdPct(0);
    const UInt capacity = getCapacity();
    const UInt count = std::min(_count, capacity);
    const Float pct = loadedPercent(count, capacity);
    m_loaded->setValue(pct);
    m_loaded->placeSlider();
    m_loadedFloat->setValue(pct);
    m_loadedFloat->progressChanged();
    m_loadedQtyTag->setString(counted(m_loadedWords, count));
    updateWarehouseText();
    key::ProdCount[getIndex()] = count;
    if (count == 0) {
        m_flags &= ~UInt(WORKING);
        setAnimFrame(0);
        refreshHover();
    } else {
        m_flags |= WORKING;
        if (m_showsHovered)
            applyLook(currentLevel().normal, false);
    }
    GUARD_END("void cProductionHouse::setProdCount(UInt _count)")
}

void cProductionHouse::refreshHover()
{
    if (!isEffectivelyEnabled() || getState() == BS_PRESSED)
        return;
    setState(pointInRect(getCursor()) ? BS_HOVERED : BS_NORMAL);
}

Float cProductionHouse::getProdPct() const
{
    return key::ProdPct[getIndex()];
}

void cProductionHouse::setProdPct(Float _pct)
{
    Float& stored = key::ProdPct[getIndex()];
    if (stored != _pct)
        stored = _pct;
}

Bool cProductionHouse::isStopped() const
{
    return key::ProdStop[getIndex()] > 0;
}

void cProductionHouse::setStopped(Bool _stopped)
{
    if (_stopped)
        m_flags |= STOPPED;
    else
        m_flags &= ~UInt(STOPPED);
    UInt& stored = key::ProdStop[getIndex()];
    if (stored != (_stopped ? 1u : 0u))
        stored = _stopped ? 1 : 0;
}

void cProductionHouse::setPos(const Vector2& _position, Bool _save)
{
    setPosition(_position);
    if (!_save)
        return;
    key::XProdPos[getIndex()] = _position.x;
    key::YProdPos[getIndex()] = _position.y;
}

void cProductionHouse::applyLook(const cState& _look, Bool _hovered)
{
    const Float time = getAnimTime();
    static_cast<cState&>(*this) = _look;
    setAnimTime(time);
    setTransformDirty();
    m_showsHovered = _hovered;
}

void cProductionHouse::updateWarehouseText()
{
    m_warehouseQtyTag->setString(counted(m_warehouseWords, warehouseCount(getInputKind())));
}

// The panel stands under the house; a house low in the yard shows it above itself instead, and
// one near a side pulls it in, so that all of it stays in the yard, clear of the screen's foot.
void cProductionHouse::keepPanelInYard()
{
    const cManufacture* manufacture = cManufacture::getInstance();
    if (!manufacture)
        return;
    const sRect& yard = manufacture->getDepotArea();
    const Vector2& size = m_iPodlogka->getSize();
    const Vector2& board = m_iPodlogka->getPosition();
    const Vector2& house = getPosition();
    // The board unmoved, from where the house stands in the yard: the screen may be sliding.
    const Float below = board.y - m_panelShift.y - house.y;
    const Float x = key::XProdPos[getIndex()] + board.x - m_panelShift.x - house.x;
    const Float y = key::YProdPos[getIndex()] + below;
    Vector2 shift(0, 0);
    if (y + size.y / 2 > yard.bottom)
        shift.y = -2 * below;
    if (x - size.x / 2 < yard.left)
        shift.x = yard.left - (x - size.x / 2);
    else if (x + size.x / 2 > yard.right)
        shift.x = yard.right - (x + size.x / 2);
    const Vector2 by(shift.x - m_panelShift.x, shift.y - m_panelShift.y);
    m_panelShift = shift;
    if (by.x == 0 && by.y == 0)
        return;
    cControl* const panel[] = {m_takeIcon, m_givenIcon, m_warehouseQtyTag, m_loadedQtyTag, m_loadedFloat, m_loaded,
        m_addStockButton, m_addDepotButton, m_loadedSubst, m_iPodlogka, m_sensorPanel};
    for (cControl* control : panel) {
        const Vector2& at = control->getPosition();
        control->setPosition(Vector2(at.x + by.x, at.y + by.y));
    }
}

void cProductionHouse::showPanel()
{
    keepPanelInYard();
    for (cView* part : {static_cast<cView*>(m_takeIcon), static_cast<cView*>(m_givenIcon),
             static_cast<cView*>(m_warehouseQtyTag), static_cast<cView*>(m_loadedQtyTag)})
        part->show();
    for (cView* part : {static_cast<cView*>(m_loaded), static_cast<cView*>(m_loadedFloat),
             static_cast<cView*>(m_addStockButton), static_cast<cView*>(m_addDepotButton)})
        if (!part->isOwnVisible())
            part->show();
    m_loadedSubst->show();
    m_iPodlogka->show();
    if (getState() != BS_HOVERED)
        setState(BS_HOVERED);
}

void cProductionHouse::hidePanel()
{
    for (cView* part : {static_cast<cView*>(m_takeIcon), static_cast<cView*>(m_givenIcon),
             static_cast<cView*>(m_warehouseQtyTag), static_cast<cView*>(m_loadedQtyTag),
             static_cast<cView*>(m_loadedFloat), static_cast<cView*>(m_loaded),
             static_cast<cView*>(m_addStockButton), static_cast<cView*>(m_addDepotButton),
             static_cast<cView*>(m_loadedSubst), static_cast<cView*>(m_iPodlogka)})
        part->hide();
}

void cProductionHouse::showPodlogka(Bool _show)
{
    if (!_show) {
        m_podlogka->hide();
        return;
    }
    m_podlogka->setColor(m_podlogkaFitColor);
    m_podlogka->show();
}

Bool cProductionHouse::isAnyPanelControlHovered()
{
    GUARD_BEGIN
    // A house on the cursor shows no panel of its own.
    if (m_flags & TAKEN)
        return false;
    const Vector2& cursor = getCursor();
    cButtonPrototype* const controls[] = {m_loaded, m_startStopButton, m_loaded->getSlider(), m_addStockButton,
        m_addDepotButton};
    for (cButtonPrototype* control : controls)
        if (control->isVisible() && control->pointInRect(cursor))
            return true;
    return false;
    GUARD_END("Bool cProductionHouse::isAnyPanelControlHovered()")
}

void cProductionHouse::process()
{
    GUARD_BEGIN
    cTips<cOverlayButton>::process();
    GUARD_END("void cProductionHouse::process()")
}

void cProductionHouse::absoluteProcess()
{
    GUARD_BEGIN
    cTips<cOverlayButton>::absoluteProcess();
    if (m_flags & TAKEN) {
        followCursor();
        return;
    }
    if (m_flags & PRESS_PENDING) {
        testDragStart();
        return;
    }
    if ((m_flags & (WORKING | STOPPED)) != WORKING)
        return;
    cTimer* timer = cTimer::getInstance();
    Float frameTime = timer ? timer->getFrameTime() : 0;
    const cTutorialManager* tutorial = cTutorialManager::getInstance();
    if ((tutorial && tutorial->isTipRunning()) || cGameMenu::isAnyScreenSliding())
        frameTime = 0;
    produce(frameTime);
    GUARD_END("void cProductionHouse::absoluteProcess()")
}

void cProductionHouse::produce(Float _frameTime)
{
    GUARD_BEGIN
    const UInt count = getProdCount();
    const sProductionStep step = stepProduction(count, getProdPct(), m_rate, _frameTime, warehouseRoom());
    if (step.delivered) {
        setProdCount(step.count);
        if (cWareHouse* ware = wareHouse())
            ware->addGoods(getOutputKind(), 1, true, false);
    }
    setProdPct(step.pct);
    if (step.animates)
        setAnimTime(getAnimTime() + step.animAdvance);
    else
        setAnimFrame(0);
    if (!step.delivered)
        return;
    if (step.count == 0 && m_jobDoneSound) {
        playHouseSound(m_jobDoneSound);
        key::TProdCompl() = true;
    }
    key::awQProcess() += 1;
    GUARD_END("void cProductionHouse::produce(Float _frameTime)")
}

void cProductionHouse::playHouseSound(iResource* _sound)
{
    cSoundManager* sound = cSoundManager::getInstance();
    if (sound && _sound)
        sound->play(_sound);
}

void cProductionHouse::setTooltipText()
{
    const cGame* game = cGame::getInstance();
    if (!game)
        return;
    setTipText(game->getUpgradeString(UInt(getUpgrade() + 1)));
}

void cProductionHouse::hovered()
{
    GUARD_BEGIN
    setTooltipText();
    if (m_loaded->isDragging())
        return;
    if (!s_taken)
        showPanel();
    const sLevel& level = currentLevel();
    if (m_flags & WORKING)
        applyLook(level.normal, false);
    else
        applyLook(level.hovered, true);
    if (!s_taken)
        cTips<cOverlayButton>::hovered();
    else if (s_taken == this)
        cOverlayButton::hovered();
    GUARD_END("void cProductionHouse::hovered()")
}

void cProductionHouse::unhovered()
{
    GUARD_BEGIN
    if (m_sensorPanel->getState() == BS_HOVERED || m_loaded->isDragging()) {
        setTransformDirty();
        return;
    }
    const cManufacture* manufacture = cManufacture::getInstance();
    if (!manufacture || manufacture->getSelected() != this)
        hidePanel();
    if (!(m_flags & WORKING))
        applyLook(currentLevel().normal, false);
    if (!s_taken)
        cTips<cOverlayButton>::unhovered();
    else if (s_taken == this)
        cOverlayButton::unhovered();
    GUARD_END("void cProductionHouse::unhovered()")
}

void cProductionHouse::setStatePicture(eButtonState _state)
{
    GUARD_BEGIN
    cTips<cOverlayButton>::setStatePicture(_state);
    if (getLevelCount() == 0)
        return;
    const sLevel& level = currentLevel();
    applyLook(m_showsHovered ? level.hovered : level.normal, m_showsHovered);
    GUARD_END("void cProductionHouse::setStatePicture(eButtonState _state)")
}

void cProductionHouse::enabled()
{
    GUARD_BEGIN
    cTips<cOverlayButton>::enabled();
    if (s_taken)
        return;
    const cManufacture* manufacture = cManufacture::getInstance();
    if (manufacture && manufacture->getSelected() == this)
        return;
    if (m_sensorPanel->isEffectivelyEnabled())
        m_sensorPanel->setState(m_sensorPanel->pointInRect(getCursor()) ? BS_HOVERED : BS_NORMAL);
    GUARD_END("void cProductionHouse::enabled()")
}

void cProductionHouse::disabled()
{
    GUARD_BEGIN
    cTips<cOverlayButton>::disabled();
    GUARD_END("void cProductionHouse::disabled()")
}

void cProductionHouse::onAddDepot(cView* _button)
{
    GUARD_BEGIN
    cProductionHouse* house = houseOf(_button);
    cWareHouse* ware = wareHouse();
    if (!house || !ware)
        return;
    const UInt count = house->getProdCount();
    if (ware->getGoodCount(house->getInputKind()) < 1 || count >= house->getCapacity())
        return;
    if (ware->removeGoods(house->getInputKind(), 1, true, false) == 0)
        return;
    house->setProdCount(count + 1);
    GUARD_END("void cProductionHouse::onAddDepot(cView* _button)")
}

void cProductionHouse::onAddStock(cView* _button)
{
    GUARD_BEGIN
    cProductionHouse* house = houseOf(_button);
    cWareHouse* ware = wareHouse();
    if (!house || !ware)
        return;
    const UInt count = house->getProdCount();
    if (ware->getFreeSpace() == 0 || count == 0)
        return;
    if (ware->addGoods(house->getInputKind(), 1, true, false) == 0)
        return;
    house->setProdCount(count - 1);
    GUARD_END("void cProductionHouse::onAddStock(cView* _button)")
}

void cProductionHouse::onStartStop(cView* _button)
{
    GUARD_BEGIN
    cProductionHouse* house = houseOf(_button);
    if (!house)
        return;
    const Bool stopped = !house->isStopped();
    house->m_startStopButton->setSign(stopped);
    house->setStopped(stopped);
    GUARD_END("void cProductionHouse::onStartStop(cView* _button)")
}

void cProductionHouse::onLoadedChange(cView* _box, Float _value)
{
    if (cProductionHouse* house = houseOf(_box)) {
        house->m_loadedFloat->setValue(_value);
        house->m_loadedFloat->progressChanged();
    }
}

void cProductionHouse::onLoadedDrag(cView* _box, Bool _dragging)
{
    GUARD_BEGIN
    cProductionHouse* house = houseOf(_box);
    if (!house || _dragging)
        return;
    // The gauge only shows the load: whatever the drag did, it shows it again.
    house->setProdCount(house->getProdCount());
    if (house->pointInRect(getCursor()))
        house->hovered();
    else
        house->unhovered();
    if (cGameMenu* menu = cGameMenu::getInstance())
        menu->updateContractStatuses(false);
    GUARD_END("void cProductionHouse::onLoadedDrag(cView* _box, Bool _dragging)")
}
