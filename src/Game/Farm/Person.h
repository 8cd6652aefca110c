#pragma once
#include "Ui/View.h"
#include "engine/Singleton.h"

class cActionArea;

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

    // Queues a job at _area whose move mark stands at _point; the area counts it.
    virtual void addActionArea(cActionArea* /*_area*/, const Vector2& /*_point*/) {}
    // Drops every job, the current one included, lowering each area's count.
    virtual void clearTaskList() {}
    // Set: the current job's area is forgotten at once.
    virtual void setDropCurrentTask(Bool /*_drop*/) {}
    // _area leaves the farm: every job on it goes, the current one included, and its count
    // is lowered for each, so nothing keeps a pointer to it.
    virtual void forgetActionArea(cActionArea* /*_area*/) {}
};
