#include "Game/Farm/Fields/FarmFieldTile.h"

#include "Game/Farm/Farm.h"
#include "Game/Farm/FarmMoment.h"
#include "Game/Farm/Fields/FieldTileDie.h"
#include "Game/Farm/Fields/FieldTileGrowUp.h"
#include "Game/Farm/Fields/FieldTileGrowing.h"
#include "Game/Farm/Fields/FieldTilePloughted.h"
#include "Game/GameKeys.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Ui/controls/Picture.h"
#include "Ui/views/ViewFile.h"
#include "engine/logs/ErrorStack.h"
#include "engine/resources/Resource.h"
#include "engine/resources/SoundManager.h"

#include <algorithm>

namespace {

// The tip that asks for fertiliser on a field that has none left.
constexpr eTips NO_FERTILITY_TIP = 49;
// Fields stand in rows of this many positions.
constexpr UInt ROW_LENGTH = 17;

Float drawBetween(const Vector2& _range)
{
    return _range.x + (_range.y - _range.x) * farm::random01();
}

// Showing and hiding walk the sign's views: done only when what it shows changes.
void showSign(cPicture* _sign, Bool _show, std::optional<Bool>& _shown)
{
    if (_shown == _show)
        return;
    _shown = _show;
    if (_show)
        _sign->show();
    else
        _sign->hide();
}

} // namespace

void cFarmFieldTile::sReleaseResource::operator()(iResource* _resource) const
{
    _resource->release();
}

cFarmFieldTile::cFarmFieldTile(cView* _parent, UInt _row, UInt _position, Int _upgradeIndex)
    : cActionArea(_parent, AAT_FIELD), m_index(_position + ROW_LENGTH * _row), m_variables(m_index),
      m_upgradeIndex(_upgradeIndex),
      m_waterSign(new cPicture(this)), m_readySign(new cPicture(this)), m_fertilSign(new cPicture(this)),
      m_cover(new cPicture(this))
{
    GUARD_BEGIN
    loadViewFile(this, DATA_FILE);
    // Fields grow while another screen is shown.
    absoluteEnable();
    updateUpgrade(key::fcu(), key::fua());
    GUARD_END("cFarmFieldTile::cFarmFieldTile(cView* _parent, UInt _row, UInt _position, Int _upgrade_index)")
}

cFarmFieldTile::sVariables::sVariables(UInt _index)
    : status(key::FFS, _index), crop(key::FFC, _index), water(key::FFW, _index), fertility(key::FFF, _index),
      progress(key::FFP, _index)
{
}

cFarmFieldTile::~cFarmFieldTile()
{
    if (cFarm* farm = cFarm::getInstance()) {
        farm->unlightField(this);
        if (m_countedDry)
            farm->forgetDryField();
    }
}

void cFarmFieldTile::setIndex(UInt _index)
{
    m_index = _index;
    m_variables = sVariables(_index);
}

Bool cFarmFieldTile::isOwned() const
{
    return key::fcu() >= m_upgradeIndex;
}

cFarmFieldTile::eFieldStatus cFarmFieldTile::getStatus() const
{
    return eFieldStatus(*m_variables.status);
}

void cFarmFieldTile::setStatus(eFieldStatus _status)
{
    GUARD_BEGIN
    UInt& stored = *m_variables.status;
    if (stored != _status)
        stored = _status;
    GUARD_END("void cFarmFieldTile::setStatus(eFieldStatus _status)")
}

cGame::eCultivationType cFarmFieldTile::getCultivationType() const
{
    return cGame::eCultivationType(*m_variables.crop);
}

void cFarmFieldTile::setCultivationType(cGame::eCultivationType _crop)
{
    GUARD_BEGIN
    if (_crop >= cGame::CULTIVATION_COUNT)
        throw "bad crop";
    UInt& stored = *m_variables.crop;
    if (stored == _crop)
        return;
    stored = _crop;
    playAnimation();
    drawRates();
    GUARD_END("void cFarmFieldTile::setCultivationType(cGame::eCultivationType _type)")
}

Float cFarmFieldTile::getProgres() const
{
    return *m_variables.progress;
}

void cFarmFieldTile::setProgres(Float _seconds)
{
    *m_variables.progress = _seconds;
}

Float cFarmFieldTile::getWater() const
{
    return *m_variables.water;
}

void cFarmFieldTile::setWater(Float _water)
{
    GUARD_BEGIN
    const Float water = std::max(0.0f, _water);
    *m_variables.water = water;
    showSign(m_waterSign, water <= m_waterSignLevel, m_waterSignShown);
    countDryness();
    m_waterRate = drawBetween(m_absorb[getCultivationType()].water);
    GUARD_END("void cFarmFieldTile::setWater(Float _water)")
}

Int cFarmFieldTile::takeDryChange()
{
    const Bool dry = isDry();
    if (dry == m_countedDry)
        return 0;
    m_countedDry = dry;
    return dry ? 1 : -1;
}

void cFarmFieldTile::countDryness()
{
    cFarm* farm = cFarm::getInstance();
    if (farm)
        farm->countDryField(*this);
    // The award for a farm that never runs dry counts from the moment no field is dry.
    static const cGameKeyHandle<PT_BOOL> s_noDry(key::awNoDry);
    static const cGameKeyHandle<PT_FLOAT> s_noDryTime(key::awNoDryTime);
    if (farm && farm->haveAnyDryField()) {
        *s_noDry = false;
        *s_noDryTime = 0;
    } else if (!*s_noDry) {
        *s_noDry = true;
        *s_noDryTime = 0;
    }
}

Float cFarmFieldTile::getFertility() const
{
    return *m_variables.fertility;
}

void cFarmFieldTile::setFertility(Float _fertility)
{
    GUARD_BEGIN
    const Float fertility = std::max(0.0f, _fertility);
    *m_variables.fertility = fertility;
    showSign(m_fertilSign, fertility <= m_fertilSignLevel, m_fertilSignShown);
    m_fertilityRate = drawBetween(m_absorb[getCultivationType()].fertility);
    GUARD_END("void cFarmFieldTile::setFertility(Float _fertility)")
}

Float cFarmFieldTile::addWater(Float _amount)
{
    GUARD_BEGIN
    const Float room = m_waterCapacity - getWater();
    if (_amount > room) {
        setWater(m_waterCapacity);
        return _amount - std::max(0.0f, room);
    }
    setWater(getWater() + _amount);
    return 0;
    GUARD_END("Float cFarmFieldTile::addWater(Float _amount)")
}

void cFarmFieldTile::drawRates()
{
    const sAbsorb& absorb = m_absorb[getCultivationType()];
    m_waterRate = drawBetween(absorb.water);
    m_fertilityRate = drawBetween(absorb.fertility);
}

void cFarmFieldTile::drawReadySign(Bool _show)
{
    if (_show)
        m_readySign->show();
    else
        m_readySign->hide();
}

void cFarmFieldTile::showCover(const cState& _look)
{
    static_cast<cState&>(*m_cover) = _look;
    m_cover->setTransformDirty();
    m_cover->show();
}

void cFarmFieldTile::setUnderWater(Bool _under)
{
    GUARD_BEGIN
    if (!m_initialised)
        return;
    if (_under)
        showCover(m_underWaterState);
    else
        m_cover->hide();
    GUARD_END("void cFarmFieldTile::setUnderWater(Bool _under_water)")
}

void cFarmFieldTile::playAnimation()
{
    GUARD_BEGIN
    const UInt crop = getCultivationType();
    if (m_shownLook != Int(crop)) {
        // The look's clock is the growth: it never runs or loops by itself.
        const Float clock = getAnimTime();
        static_cast<cState&>(*this) = m_cropLooks[crop];
        setPlayAnimation(false);
        setAnimLoop(false);
        setAnimTime(std::min(clock, getAnimLength()));
        m_shownLook = Int(crop);
        if (!m_crops[crop].textureMask.empty())
            setMaskTexture(m_crops[crop].textureMask);
    }
    setTransformDirty();
    GUARD_END("void cFarmFieldTile::playAnimation()")
}

Float cFarmFieldTile::getPloughtToGrassTime() const
{
    return m_ploughtToGrassTime * (0.95f + 0.1f * farm::random01());
}

Float cFarmFieldTile::getCreationTime(UInt _crop)
{
    const cGame* game = cGame::getInstance();
    const cGame::sProdInfo* info = game ? game->getCultivationInfo(cGame::eCultivationType(_crop)) : nullptr;
    return info ? info->CreationTime : 0;
}

Float cFarmFieldTile::getDieTime(UInt _crop)
{
    const cGame* game = cGame::getInstance();
    const cGame::sProdInfo* info = game ? game->getCultivationInfo(cGame::eCultivationType(_crop)) : nullptr;
    return info ? info->DieTime : 0;
}

void cFarmFieldTile::playSound(iResource* _sound)
{
    cSoundManager* sound = cSoundManager::getInstance();
    if (_sound && sound)
        sound->play(_sound);
}

void cFarmFieldTile::playDeathSound()
{
    playSound(m_deathSound.get());
}

void cFarmFieldTile::playReadySound()
{
    playSound(m_readySound.get());
}

void cFarmFieldTile::updateUpgrade(Int _current, Int _avail)
{
    GUARD_BEGIN
    const Bool owned = m_upgradeIndex <= _current;
    if (_avail >= m_upgradeIndex && _current + 1 == m_upgradeIndex) {
        showCover(m_readyToBuyState);
        drawReadySign(false);
    } else if (owned && !m_initialised) {
        m_cover->hide();
        m_initialised = true;
        playAnimation();
        drawReadySign(false);
        restoreGrowth();
    } else if (!owned) {
        showCover(m_hideState);
        drawReadySign(false);
    }
    GUARD_END("void updateUpgrade(Int _current_upgrade, Int _upgrade_avail)")
}

void cFarmFieldTile::restoreGrowth()
{
    const UInt crop = getCultivationType();
    const Float total = getCreationTime(crop);
    const sCropRecord& record = m_crops[crop];
    Float left = getProgres();
    cTask* state = nullptr;
    switch (getStatus()) {
    case FS_GROWING: {
        // The growth goes on from the very time it was left at, with the look the growth gives
        // it; a crop without water or fertility wilts from there as it would have.
        const Float gap = (total - getAnimLength()) * 0.5f;
        if (left <= 0) {
            // A bed ripens on the frame its time runs out, so none is kept growing with no time
            // left but the bed of a new farm: it starts as young dry grass that waits for the
            // water the first tips ask for, and shows so from the first frame.
            const Float waiting = Float(record.notGrowFrame) * getAnimLength() / Float(getFramesCount());
            left = std::max(0.0f, total - cFieldTileGrowing::elapsedForClock(waiting, record.stage, gap));
            setProgres(left);
        }
        setAnimTime(cFieldTileGrowing::growthClock(std::max(0.0f, total - left), record.stage, gap));
        state = new cFieldTileGrowing(this, left);
        break;
    }
    case FS_READY:
        setAnimFrame(getFramesCount() - 1);
        drawReadySign(true);
        state = new cFieldTileGrowUp(this);
        break;
    case FS_PLOUGHED:
        setAnimFrame(0);
        state = new cFieldTilePloughted(this, left);
        break;
    default:
        setAnimFrame(0);
        state = new cFieldTileDie(this);
        break;
    }
    m_dealer.setTask(state);
    setWater(getWater());
    setFertility(getFertility());
}

void cFarmFieldTile::absoluteProcess()
{
    GUARD_BEGIN
    cActionArea::absoluteProcess();
    if (!m_initialised)
        return;
    // While the game is held the bed is too: it neither grows nor dries nor spoils.
    if (farm::isHeld())
        return;
    const Float dt = farm::frameTime();
    m_dealer.process();
    setWater(std::max(0.0f, getWater() - dt * m_waterRate));
    // A ripe crop keeps its fertility.
    if (getStatus() != FS_READY)
        setFertility(std::max(0.0f, getFertility() - dt * m_fertilityRate));
    GUARD_END("void cFarmFieldTile::absoluteProcess()")
}

// Grass grows on any soil; a crop that grows on soil with nothing left in it stops and wilts.
Bool cFarmFieldTile::isWornOut() const
{
    return m_initialised && getFertility() == 0 && getStatus() == FS_GROWING && getCultivationType() != cGame::GRASS;
}

void cFarmFieldTile::process()
{
    GUARD_BEGIN
    if (isWornOut() && farm::isOnScreen() && farm::canRunTip(NO_FERTILITY_TIP))
        farm::runArrowHelpTip(NO_FERTILITY_TIP, this);
    cActionArea::process();
    GUARD_END("void cFarmFieldTile::process()")
}
