#pragma once
#include "Game/Farm/Water/WaterEffect.h"

// The hose's jet of water: drops fly from the nozzle to random points around the watered
// field, each timed to land there. It stays on the farm for the whole game, idle between jobs.
class cHoseEffect : public cWaterEffect {
public:
    // Reads the drop, the speeds and the spread from _path.
    cHoseEffect(cView* _parent, const String& _path);

    // The drop's picture keys and "MaxScale", then "Speed" (minimum, maximum, pixels a second,
    // both above zero), "DistortionRadius" and "Frequency" (above zero).
    void loadXML(iXML* _xml_doc) override;

    // Sprays from _nozzle towards _target until stopped; _angle, in degrees, is the nozzle's.
    void startHose(const Vector2& _nozzle, const Vector2& _target, Float _angle);

    const Vector2& getSpeed() const { return m_speed; }
    Float getDistortionRadius() const { return m_distortionRadius; }
    Float getNozzleAngle() const { return m_angle; }
    const Vector2& getStart() const { return m_start; }
    const Vector2& getTarget() const { return m_target; }

protected:
    cWaterParticle* genFunc() override;

private:
    Vector2 m_speed{0, 0};
    Float m_distortionRadius = 0;
    Float m_angle = 0;
    Vector2 m_start{0, 0};
    Vector2 m_target{0, 0};
};

// _v turned by _degrees, clockwise on the screen for a positive angle.
Vector2 turnVector(const Vector2& _v, Float _degrees);
