#pragma once
#include "Ui/controls/Picture.h"
#include "Ui/controls/State.h"
#include "Ui/views/ViewWatch.h"
#include "engine/Singleton.h"

#include <array>

class iResource;

// A tool flying from the worker back to its building, along a straight line with constant
// acceleration and a steady spin, timed to land exactly on the building. The building shows
// its tool again only when the tool has landed. One flight at a time: a new one lands the one
// in the air first, so no building keeps its empty look for good.
class cElasticAnimation : public cPicture, public cViewSingleton<cElasticAnimation> {
public:
    // What flies, and so what its landing refreshes.
    enum eElasticAnimation : Int {
        EA_WATER_CAN = 0,
        EA_SPADE = 1,   // 1..4: the spade of dig level 0..3
        EA_SCYTHE = 5,  // 5..8: the scythe of mow level 0..3
        EA_SEED_PACKAGE = 9,
        EA_COUNT = 10
    };

    // Reads "Farm/ElasticAnimation.xml"; a flight needs Accelerate above zero.
    explicit cElasticAnimation(cView* _parent);
    ~cElasticAnimation() override;

    // The picture's keys, "RotationSpeed", "Speed", "Accelerate", "MoveSound" and the first
    // ten children of "States", one look per type.
    void loadXML(iXML* _xml_doc) override;
    void absoluteProcess() override;

    // Flies the look of _type from _from to _to; on landing _view (type 9) is shown. From a
    // point to itself nothing flies.
    void makeFly(const Vector2& _from, const Vector2& _to, eElasticAnimation _type, cView* _view);

    // Seconds a flight of _distance takes from _speed under _accelerate (above zero).
    static Float getFlightTime(Float _speed, Float _accelerate, Float _distance);

    Bool isFlying() const { return m_remaining > 0; }
    Float getRemainingTime() const { return m_remaining; }
    eElasticAnimation getFlightType() const { return m_type; }
    const Vector2& getVelocity() const { return m_velocity; }
    Float getSpeed() const { return m_speed; }
    Float getAccelerate() const { return m_accelerate; }
    const cState& getLook(UInt _type) const { return m_states.at(_type); }

private:
    void land();

    Float m_rotationSpeed = 0;
    Float m_speed = 0;
    Float m_accelerate = 0;
    iResource* m_moveSound = nullptr;
    std::array<cState, EA_COUNT> m_states;
    Float m_angle = 0;
    Vector2 m_velocity{0, 0};
    Vector2 m_acceleration{0, 0};
    Vector2 m_position{0, 0};
    Float m_remaining = 0;
    eElasticAnimation m_type = EA_WATER_CAN;
    Int m_lookType = -1;
    // The package may leave the farm while its picture flies.
    cViewWatch m_view;
};
