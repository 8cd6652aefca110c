#pragma once
#include "Game/Farm/Water/ParticleSystem.h"
#include "Game/Farm/Water/WaterParticle.h"

// A sprinkler's spray: drops thrown from its head in a fan, without end while it waters.
// Unlike a one-shot effect it stays when its last drop is gone.
class cSprinkleEffect : public cParticleSystemMy<cWaterParticle> {
public:
    static constexpr Float DEFAULT_FREQUENCY = 15.0f;

    // Reads the drop and the fan from _path.
    cSprinkleEffect(cView* _parent, const String& _path);

    // The drop's keys, then "Speed" (the drop's throw), "Gravity", "RandAngle" (degrees either
    // side of the throw), "LiveTime" (minimum, maximum) and "Frequency" (above zero).
    void loadXML(iXML* _xml_doc) override;
    void process() override {}
    void absoluteProcess() override;

    cWaterParticle* getPrototype() const { return m_prototype; }
    Float getRandAngle() const { return m_randAngle; }
    const Vector2& getLiveTime() const { return m_liveTime; }

protected:
    cWaterParticle* genFunc() override;

private:
    static Bool isFinished(cWaterParticle* _drop) { return _drop->isFinished(); }
    // A life drawn between the two LiveTime bounds.
    Float drawLife() const;

    // A child of the effect, never shown: every drop is a copy.
    cWaterParticle* m_prototype;
    Float m_randAngle = 0;
    Vector2 m_liveTime{1, 1};
};
