#pragma once
#include "Ui/controls/Picture.h"

// One drop of water, of the hose's jet or of a sprinkler's spray: it flies on a parabola
// under its own gravity, grows from its size to MaxScale times it over its life and fades out
// over the second half of it.
class cWaterParticle : public cPicture {
public:
    explicit cWaterParticle(cView* _parent);
    // A new drop of the same look, throw, gravity, growth and life, not yet aged.
    cWaterParticle(const cWaterParticle& _source);

    // The picture's keys, then "MaxScale"; the size read is the drop's size at its start. The
    // effect that throws the drops gives them their speed, gravity and life.
    void loadXML(iXML* _xml_doc) override;
    void absoluteProcess() override;

    // One step of the flight; the drop is finished once it is older than its life.
    void advance(Float _dt);

    void setVelocity(const Vector2& _velocity) { m_velocity = _velocity; }
    const Vector2& getVelocity() const { return m_velocity; }
    // Pixels per second², downwards for a positive y.
    void setGravity(const Vector2& _gravity) { m_gravity = _gravity; }
    const Vector2& getGravity() const { return m_gravity; }
    // Seconds; a life not above zero finishes the drop at its first step.
    void setLife(Float _life) { m_life = _life; }
    Float getLife() const { return m_life; }
    // The growth over its life, as the data gives it (1 keeps the size).
    void setMaxScale(Float _scale) { m_maxScale = _scale - 1.0f; }
    Float getMaxScale() const { return m_maxScale + 1.0f; }
    Bool isFinished() const { return m_finished; }
    Float getAge() const { return m_age; }
    const Vector2& getBaseSize() const { return m_baseSize; }

private:
    Vector2 m_velocity{0, 0};
    Vector2 m_gravity{0, 0};
    // Kept less one, the growth on top of the base size.
    Float m_maxScale = 3.0f;
    Bool m_finished = false;
    Vector2 m_baseSize{0, 0};
    Float m_life = 0;
    Float m_age = 0;
};
