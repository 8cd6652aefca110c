#pragma once
#include "Game/Farm/Water/ParticleSystem.h"
#include "Game/Farm/Water/WaterParticle.h"

// A spray of water drops, the hose's jet or a sprinkler's: every drop is a copy of one
// prototype drop that the effect's file describes. It runs in the absolute pass, so the spray
// goes on behind other screens, and it stays when its last drop is gone.
class cWaterEffect : public cParticleSystemMy<cWaterParticle> {
public:
    static constexpr Float DEFAULT_FREQUENCY = 15.0f;

    // The drops fly in the absolute pass.
    void process() override {}
    void absoluteProcess() override;

    cWaterParticle* getPrototype() const { return m_prototype; }

protected:
    explicit cWaterEffect(cView* _parent);

    // Reads _path into the effect; the prototype then waits unseen and the effect shows its
    // drops.
    void loadFrom(const String& _path);
    // A copy of the prototype at _position, shown and running.
    cWaterParticle* makeDrop(const Vector2& _position) const;

private:
    static Bool isFinished(cWaterParticle* _drop) { return _drop->isFinished(); }

    // A child of the effect, never shown.
    cWaterParticle* m_prototype;
};
