// The farm's register of action areas and the questions about what stands where.
#include "Game/Farm/ActionArea.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Worker/Person.h"
#include "engine/logs/ErrorStack.h"
#include "engine/frame/Logic.h"
#include "Ui/views/Scavenger.h"

#include <algorithm>
#include <cmath>

namespace {

Bool insideRect(cControl& _control, const Vector2& _point)
{
    const Vector2& center = _control.getPosition();
    const Vector2& size = _control.getSize();
    return _point.x >= center.x - size.x / 2 && _point.x <= center.x + size.x / 2 && _point.y >= center.y - size.y / 2 &&
           _point.y <= center.y + size.y / 2;
}

// Touching edges count as overlapping, as the pixel test counts them.
Bool rectanglesOverlap(cControl& _a, cControl& _b)
{
    const Vector2 &pa = _a.getPosition(), &pb = _b.getPosition();
    const Vector2 &sa = _a.getSize(), &sb = _b.getSize();
    return std::fabs(pa.x - pb.x) <= (sa.x + sb.x) / 2 && std::fabs(pa.y - pb.y) <= (sa.y + sb.y) / 2;
}

const VECTOR_VECTOR_BOOL* maskOf(const cActionArea& _area)
{
    return _area.hasMask() ? &_area.getMask() : nullptr;
}

} // namespace

const Vector2& cFarm::getCursor()
{
    static const Vector2 s_nowhere(-1.0e9f, -1.0e9f);
    cLogic* logic = cLogic::getInstance();
    return logic ? logic->getCursor() : s_nowhere;
}

void cFarm::addActionArea(cActionArea* _area)
{
    GUARD_BEGIN
    if (_area && std::find(m_areas.begin(), m_areas.end(), _area) == m_areas.end())
        m_areas.push_back(_area);
    GUARD_END("void cFarm::addActionArea(cActionArea* _area)")
}

void cFarm::forgetActionArea(cActionArea* _area)
{
    m_areas.erase(std::remove(m_areas.begin(), m_areas.end(), _area), m_areas.end());
    // A queued or current job on a gone area would walk the worker to freed memory.
    if (cPerson* person = cPerson::getInstance())
        person->forgetActionArea(_area);
}

void cFarm::removeActionArea(cActionArea* _area)
{
    GUARD_BEGIN
    if (std::find(m_areas.begin(), m_areas.end(), _area) == m_areas.end())
        return;
    forgetActionArea(_area);
    discard(_area, "void cFarm::removeActionArea(cActionArea* _area)");
    GUARD_END("void cFarm::removeActionArea(cActionArea* _area)")
}

cActionArea* cFarm::onObjectCorrect(const Vector2& _point, UInt _mask) const
{
    GUARD_BEGIN
    for (cActionArea* area : m_areas)
        if (isKindWithin(area->getAreaType(), _mask) && area->pointInRect(_point))
            return area;
    return nullptr;
    GUARD_END("cActionArea* cFarm::onObjectCorrect(Vector2 _mouse_pos, UInt _type_mask)")
}

cActionArea* cFarm::getDeepNearestObject(const Vector2& _point, UInt _mask) const
{
    GUARD_BEGIN
    cActionArea* nearest = nullptr;
    for (cActionArea* area : m_areas)
        if (isKindWithin(area->getAreaType(), _mask) && area->pointInRect(_point) &&
            (!nearest || area->getDeep() > nearest->getDeep()))
            nearest = area;
    return nearest;
    GUARD_END("cActionArea* cFarm::getDeepNearestObject(Vector2 _mouse_pos, UInt _type_mask)")
}

Bool cFarm::getAlertedObjectList(const Vector2& _point, UInt _mask, ACTION_AREA_LIST& _list) const
{
    GUARD_BEGIN
    for (cActionArea* area : m_areas)
        if (isKindWithin(area->getAreaType(), _mask) && area->pointInRect(_point))
            _list.push_back(area);
    return !_list.empty();
    GUARD_END("Bool cFarm::getAlertedObjectList(Vector2 _mouse_pos, UInt _type_mask, ACTION_AREA_LIST& _list)")
}

Bool cFarm::isMouseWithObjectOnSprinkle(const cActionArea* _object) const
{
    const Vector2& cursor = getCursor();
    return std::any_of(m_areas.begin(), m_areas.end(), [&](cActionArea* _area) {
        return _area != _object && _area->getAreaType() == AAT_SPRINKLE && insideRect(*_area, cursor);
    });
}

Bool cFarm::isMouseWithObjectOnSeed(const cActionArea* _object) const
{
    const Vector2& cursor = getCursor();
    return std::any_of(m_areas.begin(), m_areas.end(), [&](cActionArea* _area) {
        return _area != _object && _area->getAreaType() == AAT_SEED_PACKAGE && insideRect(*_area, cursor);
    });
}

Bool cFarm::isInPlaceRect(const Vector2& _point)
{
    return _point.x >= PLACE_RECT.left && _point.x <= PLACE_RECT.right && _point.y >= PLACE_RECT.top &&
           _point.y <= PLACE_RECT.bottom;
}

Bool cFarm::fits(cActionArea* _area, const Vector2& _point, UInt _ignored) const
{
    if (!_area || !isInPlaceRect(_point))
        return false;
    for (cActionArea* other : m_areas) {
        if (other == _area || !other->isVisible() || (other->getAreaType() & _ignored))
            continue;
        if (rectanglesOverlap(*_area, *other) && cControl::checkCollision(_area, other, maskOf(*_area), maskOf(*other)))
            return false;
    }
    return true;
}

Bool cFarm::havePlaceToFitArea(cActionArea* _area, const Vector2& _point) const
{
    GUARD_BEGIN
    return fits(_area, _point, AAT_SEED_PACKAGE | AAT_SPRINKLE);
    GUARD_END("Bool cFarm::havePlaceToFitArea(cActionArea* _area, Vector2 _pos)")
}

Bool cFarm::havePlaceToFitSprinkle(cActionArea* _area, const Vector2& _point) const
{
    GUARD_BEGIN
    // A sprinkle waters the fields it stands on, but may not stand in a building.
    return fits(_area, _point, AAT_SEED_PACKAGE | AAT_SPRINKLE | AAT_FIELD);
    GUARD_END("Bool cFarm::havePlaceToFitSprinkle(cActionArea* _area, Vector2 _pos)")
}
