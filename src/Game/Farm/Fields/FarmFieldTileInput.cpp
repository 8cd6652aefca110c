// A field under the mouse: an owned field takes clicks and drags as worker jobs and shows
// the field tooltip and the lighter; a field not yet owned is a plain button.
#include "Game/Farm/Fields/FarmFieldTile.h"

#include "Game/Farm/Farm.h"
#include "Game/Farm/Fields/FieldTip.h"
#include "engine/logs/ErrorStack.h"
#include "engine/frame/Logic.h"

namespace {

// The growth frame is the animation clock, which the button's state changes must not move.
class cClockKeeper {
public:
    explicit cClockKeeper(cControl& _control) : m_control(_control), m_clock(_control.getAnimTime()) {}
    ~cClockKeeper() { m_control.setAnimTime(m_clock); }
    cClockKeeper(const cClockKeeper&) = delete;
    cClockKeeper& operator=(const cClockKeeper&) = delete;

private:
    cControl& m_control;
    Float m_clock;
};

Bool isCursorOn(cFarmFieldTile& _tile)
{
    cLogic* logic = cLogic::getInstance();
    return logic && _tile.pointInRect(logic->getCursor());
}

} // namespace

void cFarmFieldTile::hovered()
{
    GUARD_BEGIN
    cClockKeeper keep(*this);
    if (!isOwned()) {
        cAnimButton::hovered();
        return;
    }
    cFarm* farm = cFarm::getInstance();
    if (farm && farm->isDragWork())
        goToNextParking();
    if (cFieldTip* tip = cFieldTip::getInstance())
        tip->setTile(this);
    if (farm)
        farm->lightField(this);
    // The farm's field tooltip tells about the field: its own tooltip never opens.
    cAnimButton::hovered();
    GUARD_END("void cFarmFieldTile::hovered()")
}

void cFarmFieldTile::unhovered()
{
    GUARD_BEGIN
    cClockKeeper keep(*this);
    if (!isOwned()) {
        cAnimButton::unhovered();
        return;
    }
    if (cFieldTip* tip = cFieldTip::getInstance())
        tip->unsetTile(this);
    if (cFarm* farm = cFarm::getInstance())
        farm->unlightField(this);
    cAnimButton::unhovered();
    GUARD_END("void cFarmFieldTile::unhovered()")
}

void cFarmFieldTile::clicked()
{
    GUARD_BEGIN
    cClockKeeper keep(*this);
    if (!isOwned()) {
        cAnimButton::clicked();
        return;
    }
    cFarm* farm = cFarm::getInstance();
    if (farm)
        farm->setDragWork(true);
    const Bool overPlacedObject =
        farm && ((cFarm::s_sprinkleOnMouse && farm->isMouseWithObjectOnSprinkle(nullptr)) ||
                 (cFarm::s_seedOnMouse && farm->isMouseWithObjectOnSeed(nullptr)));
    if (overPlacedObject)
        cAnimButton::clicked();
    else
        cActionArea::clicked();
    if (getState() == BS_PRESSED)
        setState(BS_HOVERED);
    GUARD_END("void cFarmFieldTile::clicked()")
}

void cFarmFieldTile::unclicked()
{
    GUARD_BEGIN
    cClockKeeper keep(*this);
    cAnimButton::unclicked();
    GUARD_END("void cFarmFieldTile::unclicked()")
}

void cFarmFieldTile::enabled()
{
    GUARD_BEGIN
    cClockKeeper keep(*this);
    cActionArea::enabled();
    if (isCursorOn(*this))
        hovered();
    else
        unhovered();
    GUARD_END("void cFarmFieldTile::enabled()")
}

void cFarmFieldTile::disabled()
{
    GUARD_BEGIN
    cClockKeeper keep(*this);
    cActionArea::disabled();
    unhovered();
    if (cFieldTip* tip = cFieldTip::getInstance())
        tip->unsetTile(this);
    GUARD_END("void cFarmFieldTile::disabled()")
}
