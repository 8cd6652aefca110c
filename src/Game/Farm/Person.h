#pragma once
#include "Ui/View.h"
#include "engine/Singleton.h"

// The farm worker, who walks to what the player clicks and works there.
// Not filled in yet: the game makes it and finds it; it shows nothing and plays no sound.
class cPerson : public cView, public cViewSingleton<cPerson> {
public:
    // The sounds of the worker's work; the looping ones play until their work ends.
    enum eSoundType : UInt {
        WORK_SHOVEL,
        WORK_TRACTOR,
        WORK_WATERING_CAN,
        WORK_SEED,
        WORK_SCYTHE,
        WORK_WELL,
        WORK_HOSE,
        STUFF_WAREHOUSE,
        SOUND_COUNT
    };

    explicit cPerson(cView* _parent) : cView(_parent) {}

    virtual void playSound(eSoundType /*_type*/) {}
    // Stops a looping sound; nothing when it does not play.
    virtual void stopLoopSound(eSoundType /*_type*/) {}
    virtual Bool isLoopSoundPlaying(eSoundType /*_type*/) const { return false; }
};
