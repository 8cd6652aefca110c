#pragma once
#include "Ui/controls/State.h"
#include "Ui/views/View.h"
#include "graphics/sprites/Sprite.h"
#include "graphics/meshes/Unit.h"

#include <vector>

// A view with a look and a place on the logical screen: centre, size, angle, depth ("deep",
// greater on top), colour with alpha, mirroring, and for meshes yaw, pitch, scale and a
// material. Setters only mark the control dirty when a value changes; the sprite or mesh unit
// is rebuilt when the draw pass asks for it. Every child of a control is a control, and moves
// and re-depths with it. A shown control is in the UI manager's draw set.
class cControl : public cView, public cState {
public:
    // A per-frame function; returning true takes it off the list.
    using fProcess = Bool (*)(cControl* _control);

    explicit cControl(cView* _parent);
    // Copies the place and the look (with references of its own), never the children, the
    // per-frame list or the built records.
    cControl(const cControl& _source);
    cControl& operator=(const cControl&) = delete;
    ~cControl() noexcept(false) override;

    Int getType() const override { return 0; }
    cControl* asControl() override { return this; }
    // The view's switches, then "deep", "position", "size", "angle", "color", "alpha",
    // "RenderType", "InverceX", "InverceY", "DoubleAnimRender", "pitch" and "yaw" (degrees),
    // "scale", "LightingEnable", "AmbientColor", "SpecularColor", "EmissiveColor", "Power",
    // then the look.
    void loadXML(iXML* _xml_doc) override;
    void showed() override;
    void hid() override;
    void parentTransparenty() override;

    // The getters give the field itself; the setters mark the control dirty only on a change.
    virtual Float& getAngle();
    virtual void setAngle(const Float& _angle);
    // The colour's alpha, not the view's fade level (cView::getAlpha).
    virtual Float& getAlpha();
    virtual void setAlpha(const Float& _alpha);
    virtual Vector2& getSize();
    virtual void setSize(const Vector2& _size);
    virtual Float& getAnimTime();
    virtual void setAnimTime(const Float& _time);
    virtual Bool& getInverceX();
    virtual void setInverceX(const Bool& _inverse);
    virtual Bool& getInverceY();
    virtual void setInverceY(const Bool& _inverse);
    virtual Bool& getDoubleAnimRender();
    virtual void setDoubleAnimRender(const Bool& _double);
    virtual DXColor& getColor();
    virtual void setColor(const DXColor& _color);
    virtual Vector3& getScale();
    virtual void setScale(const Vector3& _scale);
    // Radians.
    virtual Float& getYaw();
    virtual void setYaw(const Float& _yaw);
    virtual Float& getPitch();
    virtual void setPitch(const Float& _pitch);
    virtual Bool& getLightingEnable();
    virtual void setLightingEnable(const Bool& _enable);
    virtual DXColor& getAmbientColor();
    virtual void setAmbientColor(const DXColor& _color);
    virtual DXColor& getSpecularColor();
    virtual void setSpecularColor(const DXColor& _color);
    virtual DXColor& getEmissiveColor();
    virtual void setEmissiveColor(const DXColor& _color);
    virtual Float& getPower();
    virtual void setPower(const Float& _power);
    // Children move by the same amount.
    virtual void setPosition(const Vector2& _position);
    virtual UInt& getRenderType();
    // Read at each draw, so it does not mark the control dirty.
    virtual void setRenderType(const UInt& _type);
    virtual UInt getAnimFrame();
    virtual void setAnimFrame(UInt _frame);
    // Children change depth by the same amount; a control in the draw set takes its new place.
    virtual void setDeep(const Float& _deep);
    // Inside the unturned rectangle, edges included.
    virtual Bool containsPoint(const Vector2& _point);
    // A non-looping animation has run past its end; called at each rebuild until it is reset.
    virtual void onAnimationEnd() {}
    // Rebuilds the sprites or the unit when the control is dirty.
    virtual void makeTransform();

    const Vector2& getPosition() const { return m_position; }
    void setPositionXY(Float _x, Float _y) { setPosition(Vector2(_x, _y)); }
    Float getDeep() const { return m_deep; }

    // Rebuilt first when dirty.
    const iGraphics::sSprite& getSprite();
    const iGraphics::sUnit& getUnit();
    // The next frame, for the cross-fade; valid after getSprite.
    const iGraphics::sSprite& getSecondSprite() const { return m_secondSprite; }

    // A null function is ignored.
    void addProcessFunc(fProcess _function);
    // Calls each function in order; those returning true leave the list.
    void runProcessFuncs();
    size_t getProcessFuncCount() const { return m_processFuncs.size(); }

    // Takes the prototype's look and placement: everything but the colour's red, green and
    // blue, DoubleAnimRender and the view's switches.
    void assignLook(const cControl* _prototype);

    // Pixel-exact overlap of two controls through their click masks (indexed [x][y]); a mask
    // may be null, and a missing or empty mask counts as set everywhere. Touching edges count.
    static Bool checkCollision(const cControl* _a, const cControl* _b, const VECTOR_VECTOR_BOOL* _maskA,
                               const VECTOR_VECTOR_BOOL* _maskB);
    // The bit of _mask, stretched over a control at _position of _size, under (_x, _y); a
    // missing or empty mask is set everywhere.
    static Bool isMaskSet(const Vector2& _position, const Vector2& _size, const VECTOR_VECTOR_BOOL* _mask, Float _x,
                          Float _y);

    // A number for the owner; the framework never reads it.
    UInt getUserValue() const { return m_userValue; }
    void setUserValue(UInt _value) { m_userValue = _value; }

    Bool isTransformDirty() const { return m_transformDirty; }
    void setTransformDirty() { m_transformDirty = true; }

protected:
    // Degrees to radians as the data was tuned with.
    static constexpr Float DEGREES_TO_RADIANS = 0.017453292f;

    // _sprite shows _frame's grid cell, turned by the angle, with the colour times the root
    // alpha times _alphaFactor.
    void makeSprite(iGraphics::sSprite& _sprite, UInt _frame, Float _alphaFactor = 1.0f);
    // Brings the clock back inside the animation: round when looping, else to its nearer end.
    void wrapAnimTime();
    void makeUnit();
    void clearTransformDirty() { m_transformDirty = false; }
    // The main sprite, for controls that build it their own way.
    iGraphics::sSprite& editSprite() { return m_sprite; }
    iGraphics::sSprite& editSecondSprite() { return m_secondSprite; }

private:
    void copyPlacement(const cControl& _source);

    Float m_angle = 0;
    Vector2 m_position{0, 0};
    Vector2 m_size{1, 1};
    UInt m_renderType = 0;
    iGraphics::sSprite m_sprite;
    iGraphics::sSprite m_secondSprite;
    iGraphics::sUnit m_unit;
    Float m_animTime = 0;
    Bool m_transformDirty = true;
    std::vector<fProcess> m_processFuncs;
    Bool m_inverceX = false;
    Bool m_inverceY = false;
    Bool m_doubleAnimRender = false;
    Vector3 m_scale{1, 1, 1};
    Float m_yaw = 0;
    Float m_pitch = 0;
    Bool m_lightingEnable = false;
    DXColor m_ambientColor{1, 1, 1, 1};
    DXColor m_specularColor{1, 1, 1, 1};
    DXColor m_emissiveColor{1, 1, 1, 1};
    Float m_power = 0;
    // The alpha is this colour's a: a reference member would make copies alias the source.
    DXColor m_color{1, 1, 1, 1};
    Float m_deep = 0;
    UInt m_userValue = 0;
};
