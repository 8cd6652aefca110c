#include "Ui/controls/Control.h"

#include "Ui/views/UI.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace {

// The pixel-exact collision looks no further than this from the screen: nothing collides where
// nothing can be seen, and a control sized past reason costs a bounded time.
constexpr Float FAR_AWAY = 4096.0f;

Bool isMissing(const VECTOR_VECTOR_BOOL* _mask)
{
    return !_mask || _mask->empty() || _mask->front().empty();
}

template <class T>
Bool change(T& _field, const T& _value)
{
    if (_field == _value)
        return false;
    _field = _value;
    return true;
}

// Calls _operation on every control below _view. A plain view between controls has no place
// of its own, so the controls under it are reached through it.
template <class F>
void forEachChildControl(cView* _view, F _operation)
{
    _view->getChildren().visit([&_operation](cView* _child) {
        if (cControl* control = _child->asControl())
            _operation(control);
        else
            forEachChildControl(_child, _operation);
    });
}

} // namespace

cControl::cControl(cView* _parent) : cView(_parent)
{
    cView::setAlpha(1.0f);
}

cControl::cControl(const cControl& _source) : cView(_source), cState(_source)
{
    copyPlacement(_source);
    m_color = _source.m_color;
    m_doubleAnimRender = _source.m_doubleAnimRender;
    m_deep = _source.m_deep;
    m_userValue = _source.m_userValue;
}

cControl::~cControl() noexcept(false)
{
    cUI::removeDrawn(this);
    // The children hear that they are hidden, so each leaves the draw set and undoes whatever
    // else its own hid undoes. A failure there reaches whoever deletes the control, as view
    // destructors pass theirs on, unless another failure is already on its way out.
    std::exception_ptr failure;
    try {
        cView::hid();
    } catch (...) {
        failure = std::current_exception();
    }
    cUI::removeDrawn(this);
    if (failure && std::uncaught_exceptions() == 0)
        std::rethrow_exception(failure);
}

void cControl::copyPlacement(const cControl& _source)
{
    m_angle = _source.m_angle;
    m_color.a = _source.m_color.a;
    m_position = _source.m_position;
    m_size = _source.m_size;
    m_renderType = _source.m_renderType;
    m_animTime = _source.m_animTime;
    m_inverceX = _source.m_inverceX;
    m_inverceY = _source.m_inverceY;
    m_pitch = _source.m_pitch;
    m_yaw = _source.m_yaw;
    m_scale = _source.m_scale;
    m_lightingEnable = _source.m_lightingEnable;
    m_ambientColor = _source.m_ambientColor;
    m_specularColor = _source.m_specularColor;
    m_emissiveColor = _source.m_emissiveColor;
    m_power = _source.m_power;
    m_transformDirty = true;
}

void cControl::showed()
{
    cUI::addDrawn(this, m_deep);
    cView::showed();
}

void cControl::hid()
{
    cUI::removeDrawn(this);
    cView::hid();
}

void cControl::parentTransparenty()
{
    m_transformDirty = true;
    cView::parentTransparenty();
}

Float& cControl::getAngle() { return m_angle; }
void cControl::setAngle(const Float& _angle) { m_transformDirty |= change(m_angle, _angle); }
Float& cControl::getAlpha() { return m_color.a; }
void cControl::setAlpha(const Float& _alpha) { m_transformDirty |= change(m_color.a, _alpha); }
Vector2& cControl::getSize() { return m_size; }
void cControl::setSize(const Vector2& _size) { m_transformDirty |= change(m_size, _size); }
Float& cControl::getAnimTime() { return m_animTime; }
void cControl::setAnimTime(const Float& _time) { m_transformDirty |= change(m_animTime, _time); }
Bool& cControl::getInverceX() { return m_inverceX; }
void cControl::setInverceX(const Bool& _inverse) { m_transformDirty |= change(m_inverceX, _inverse); }
Bool& cControl::getInverceY() { return m_inverceY; }
void cControl::setInverceY(const Bool& _inverse) { m_transformDirty |= change(m_inverceY, _inverse); }
Bool& cControl::getDoubleAnimRender() { return m_doubleAnimRender; }
void cControl::setDoubleAnimRender(const Bool& _double) { m_transformDirty |= change(m_doubleAnimRender, _double); }
DXColor& cControl::getColor() { return m_color; }
void cControl::setColor(const DXColor& _color) { m_transformDirty |= change(m_color, _color); }
Vector3& cControl::getScale() { return m_scale; }
void cControl::setScale(const Vector3& _scale) { m_transformDirty |= change(m_scale, _scale); }
Float& cControl::getYaw() { return m_yaw; }
void cControl::setYaw(const Float& _yaw) { m_transformDirty |= change(m_yaw, _yaw); }
Float& cControl::getPitch() { return m_pitch; }
void cControl::setPitch(const Float& _pitch) { m_transformDirty |= change(m_pitch, _pitch); }
Bool& cControl::getLightingEnable() { return m_lightingEnable; }
void cControl::setLightingEnable(const Bool& _enable) { m_transformDirty |= change(m_lightingEnable, _enable); }
DXColor& cControl::getAmbientColor() { return m_ambientColor; }
void cControl::setAmbientColor(const DXColor& _color) { m_transformDirty |= change(m_ambientColor, _color); }
DXColor& cControl::getSpecularColor() { return m_specularColor; }
void cControl::setSpecularColor(const DXColor& _color) { m_transformDirty |= change(m_specularColor, _color); }
DXColor& cControl::getEmissiveColor() { return m_emissiveColor; }
void cControl::setEmissiveColor(const DXColor& _color) { m_transformDirty |= change(m_emissiveColor, _color); }
Float& cControl::getPower() { return m_power; }
void cControl::setPower(const Float& _power) { m_transformDirty |= change(m_power, _power); }
UInt& cControl::getRenderType() { return m_renderType; }
void cControl::setRenderType(const UInt& _type) { m_renderType = _type; }

void cControl::setPosition(const Vector2& _position)
{
    GUARD_BEGIN
    const Vector2 delta(_position.x - m_position.x, _position.y - m_position.y);
    forEachChildControl(this, [&delta](cControl* _child) {
        const Vector2& at = _child->getPosition();
        _child->setPosition(Vector2(at.x + delta.x, at.y + delta.y));
        _child->setTransformDirty();
    });
    m_position = _position;
    m_transformDirty = true;
    GUARD_END("void cControl::setPosition(const Vector2& _position)")
}

void cControl::setDeep(const Float& _deep)
{
    GUARD_BEGIN
    // An equal depth keeps every place as it is; text layout sets each letter's depth again
    // every time, and leaving and re-entering the draw set would cost more than the letter.
    // A depth that is not a number never compares equal, so it always takes the long way.
    if (_deep != m_deep) {
        const Float delta = _deep - m_deep;
        forEachChildControl(this, [delta](cControl* _child) { _child->setDeep(_child->getDeep() + delta); });
        // Membership decides, not visibility: a hidden control may still wait in the draw set
        // for the next pass to drop it, and its key there must never change in place.
        if (cUI::isDrawn(this))
            cUI::addDrawn(this, _deep);
        m_deep = _deep;
    }
    m_transformDirty = true;
    GUARD_END("void cControl::setDeep(const Float& _deep)")
}

Bool cControl::containsPoint(const Vector2& _point)
{
    const Vector2& size = getSize();
    return m_position.x - size.x / 2 <= _point.x && _point.x <= m_position.x + size.x / 2 &&
           m_position.y - size.y / 2 <= _point.y && _point.y <= m_position.y + size.y / 2;
}

const iGraphics::sSprite& cControl::getSprite()
{
    GUARD_BEGIN
    makeTransform();
    return m_sprite;
    GUARD_END("const iGraphics::sSprite& cControl::getSprite()")
}

const iGraphics::sUnit& cControl::getUnit()
{
    GUARD_BEGIN
    makeTransform();
    return m_unit;
    GUARD_END("const iGraphics::sUnit& cControl::getUnit()")
}

void cControl::addProcessFunc(fProcess _function)
{
    if (_function)
        m_processFuncs.push_back(_function);
}

void cControl::runProcessFuncs()
{
    // Functions added while the list runs wait for the next run; a throw keeps every
    // function that has not yet answered.
    std::vector<fProcess> running;
    running.swap(m_processFuncs);
    std::vector<fProcess> kept;
    size_t next = 0;
    try {
        for (; next < running.size(); ++next)
            if (!running[next](this))
                kept.push_back(running[next]);
    } catch (...) {
        kept.insert(kept.end(), running.begin() + std::ptrdiff_t(next), running.end());
        kept.insert(kept.end(), m_processFuncs.begin(), m_processFuncs.end());
        m_processFuncs.swap(kept);
        throw;
    }
    kept.insert(kept.end(), m_processFuncs.begin(), m_processFuncs.end());
    m_processFuncs.swap(kept);
}

void cControl::assignLook(const cControl* _prototype)
{
    if (!_prototype || _prototype == this)
        return;
    cState::operator=(*_prototype);
    copyPlacement(*_prototype);
    setDeep(_prototype->m_deep);
    m_transformDirty = true;
}

void cControl::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    if (!_xml_doc)
        throw "No XML element to load the control from.";
    cView::loadXML(_xml_doc);
    Float deep = 0;
    readAttribute(_xml_doc, u"deep", deep, &toFloat);
    setDeep(deep);
    readAttribute(_xml_doc, u"position", m_position, &toVector2);
    readAttribute(_xml_doc, u"size", m_size, &toVector2);
    readAttribute(_xml_doc, u"angle", m_angle, &toFloat);
    readAttribute(_xml_doc, u"color", m_color, &toDXColor);
    readAttribute(_xml_doc, u"alpha", m_color.a, &toFloat);
    readAttribute(_xml_doc, u"RenderType", m_renderType, &toUInt);
    readAttribute(_xml_doc, u"InverceX", m_inverceX, &toBool);
    readAttribute(_xml_doc, u"InverceY", m_inverceY, &toBool);
    readAttribute(_xml_doc, u"DoubleAnimRender", m_doubleAnimRender, &toBool);
    // Only what the element gives is in degrees: a kept field is radians already.
    Float pitch = m_pitch / DEGREES_TO_RADIANS, yaw = m_yaw / DEGREES_TO_RADIANS;
    if (findAttribute(_xml_doc, u"pitch")) {
        readAttribute(_xml_doc, u"pitch", pitch, &toFloat);
        m_pitch = pitch * DEGREES_TO_RADIANS;
    }
    if (findAttribute(_xml_doc, u"yaw")) {
        readAttribute(_xml_doc, u"yaw", yaw, &toFloat);
        m_yaw = yaw * DEGREES_TO_RADIANS;
    }
    readAttribute(_xml_doc, u"scale", m_scale, &toVector3);
    readAttribute(_xml_doc, u"LightingEnable", m_lightingEnable, &toBool);
    readAttribute(_xml_doc, u"AmbientColor", m_ambientColor, &toDXColor);
    readAttribute(_xml_doc, u"SpecularColor", m_specularColor, &toDXColor);
    readAttribute(_xml_doc, u"EmissiveColor", m_emissiveColor, &toDXColor);
    readAttribute(_xml_doc, u"Power", m_power, &toFloat);
    cState::loadXML(_xml_doc);
    m_transformDirty = true;
    GUARD_END("void cControl::loadXML(iXML * _xml_doc)")
}

Bool cControl::isMaskSet(const Vector2& _position, const Vector2& _size, const VECTOR_VECTOR_BOOL* _mask, Float _x,
                         Float _y)
{
    if (isMissing(_mask))
        return true;
    // Points on the far edge, and rounding past it, stay in the last cell; anything before the
    // start is the first. Rows are counted on the first column; a shorter column is clear below
    // its end.
    auto cell = [](Float _offset, Float _extent, size_t _cells) -> size_t {
        const Float at = Float(_cells - 1) * _offset / _extent;
        if (!(at > 0))
            return 0;
        return at >= Float(_cells - 1) ? _cells - 1 : size_t(at);
    };
    const size_t i = cell(_x - (_position.x - _size.x / 2), _size.x, _mask->size());
    const size_t j = cell(_y - (_position.y - _size.y / 2), _size.y, _mask->front().size());
    const std::vector<Bool>& column = (*_mask)[i];
    return j < column.size() && column[j];
}

Bool cControl::checkCollision(const cControl* _a, const cControl* _b, const VECTOR_VECTOR_BOOL* _maskA,
                              const VECTOR_VECTOR_BOOL* _maskB)
{
    if (!_a || !_b)
        return false;
    if (isMissing(_maskA) && isMissing(_maskB))
        return true;
    const Vector2 &pa = _a->m_position, &pb = _b->m_position, &sa = _a->m_size, &sb = _b->m_size;
    Float ox = (sa.x + sb.x) / 2 - std::fabs(pa.x - pb.x);
    Float oy = (sa.y + sb.y) / 2 - std::fabs(pa.y - pb.y);
    if (!(ox >= 0 && oy >= 0))
        return false;
    ox = std::min({ox, sa.x, sb.x});
    oy = std::min({oy, sa.y, sb.y});
    const Float x0 = std::max(pa.x - sa.x / 2, pb.x - sb.x / 2);
    const Float y0 = std::max(pa.y - sa.y / 2, pb.y - sb.y / 2);
    auto clampFar = [](Float _value) {
        if (!(_value > -FAR_AWAY))
            return -FAR_AWAY;
        return _value < FAR_AWAY ? _value : FAR_AWAY;
    };
    // Whole logical pixels, counted as integers: a float counter would stall far out. An
    // overlap of no width samples nothing, so buildings that only touch fit side by side.
    const long long xFirst = (long long)clampFar(std::trunc(x0)), yFirst = (long long)clampFar(std::trunc(y0));
    const Float xEnd = clampFar(x0 + ox), yEnd = clampFar(y0 + oy);
    for (long long x = xFirst; Float(x) < xEnd; ++x)
        for (long long y = yFirst; Float(y) < yEnd; ++y)
            if (isMaskSet(pa, sa, _maskA, Float(x), Float(y)) && isMaskSet(pb, sb, _maskB, Float(x), Float(y)))
                return true;
    return false;
}
