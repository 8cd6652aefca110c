#pragma once
#include "Ui/Picture.h"

// One drop of a sprinkler's spray: thrown up and out, it falls under the gravity all spray
// drops share, grows to MaxScale times its size and fades over the second half of its life.
class cWaterParticle : public cPicture {
public:
    explicit cWaterParticle(cView* _parent);
    // A new drop of the same throw, growth and life, not yet aged.
    cWaterParticle(const cWaterParticle& _source);

    // The picture's keys, "Speed" (its throw), "LiveTime" (minimum, maximum: its life is drawn
    // between them), "MaxScale" and "Gravity", which every spray drop then shares.
    void loadXML(iXML* _xml_doc) override;
    void absoluteProcess() override;

    // One step of the flight; the drop is dead once older than its life.
    void advance(Float _dt);

    Bool isDead() const { return m_dead; }
    const Vector2& getVelocity() const { return m_velocity; }
    void setVelocity(const Vector2& _velocity) { m_velocity = _velocity; }
    Float getLiveTime() const { return m_liveTime; }
    void setLiveTime(Float _seconds) { m_liveTime = _seconds; }
    Float getMaxScale() const { return m_maxScale + 1.0f; }
    Float getAge() const { return m_age; }

    // The last drop loaded sets it for all.
    static const Vector2& getGravity() { return s_gravity; }
    static void setGravity(const Vector2& _gravity) { s_gravity = _gravity; }

private:
    static inline Vector2 s_gravity{0, 0};

    Bool m_dead = false;
    Vector2 m_velocity{0, 0};
    // Kept less one, the growth on top of the start size.
    Float m_maxScale = 2.0f;
    Vector2 m_startSize{0, 0};
    Float m_liveTime = 0;
    Float m_age = 0;
};
