#pragma once
#include "Game/Farm/Water/WaterEffect.h"

// A sprinkler's spray: drops thrown from its head in a fan, without end while it waters.
class cSprinkleEffect : public cWaterEffect {
public:
    // Reads the drop and the fan from _path.
    cSprinkleEffect(cView* _parent, const String& _path);

    // The drop's keys, then "Speed" (the drop's throw), "Gravity", "RandAngle" (degrees either
    // side of the throw), "LiveTime" (minimum, maximum) and "Frequency" (above zero).
    void loadXML(iXML* _xml_doc) override;

    Float getRandAngle() const { return m_randAngle; }
    const Vector2& getLiveTime() const { return m_liveTime; }

protected:
    cWaterParticle* genFunc() override;

private:
    // A life drawn between the two LiveTime bounds.
    Float drawLife() const;

    Float m_randAngle = 0;
    Vector2 m_liveTime{1, 1};
};
