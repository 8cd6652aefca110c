#pragma once
#include "Game/Farm/FieldObject.h"
#include "Game/Farm/Worker/PersonTipGate.h"
#include "Game/TaskDealer.h"
#include "Ui/controls/State.h"
#include "engine/Singleton.h"

#include <array>
#include <memory>
#include <vector>

class cActionArea;
class cChannel;
class cPicture;
class cProgressDiscrete;
class cProgressFloat;
class cSeedPackage;
class iResource;

// The farm worker. Every click on an action area queues a job; the worker serves the queue in
// click order: walks (or drives) there, decides on arrival what to do with what it carries, and
// works for a while. What it carries, its basket, its can and its place live in the game
// variables, so they survive a restart, and so does a job under way; the queue and its marks do
// not.
class cPerson : public cFieldObject, public cViewSingleton<cPerson> {
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
    // What the worker holds ("PCarry"). Spade and scythe take their look from the tool's level.
    enum eCarryStates : UInt {
        CARRY_NOTHING = 0,
        CARRY_CAN = 1,
        CARRY_SPADE = 2,
        CARRY_SCYTHE = 6,
        CARRY_SEED_PACKAGE = 10,
        CARRY_HOSE = 11,
    };
    // The seconds of the short jobs, under "AnimationConfig".
    enum eJobTime : UInt {
        SOW_TIME,
        WATER_POT_TIME,
        DROP_WARE_TIME,
        DROP_SPADE_TIME,
        DROP_SCYTHE_TIME,
        DROP_HOSE_TIME,
        GET_SPADE_TIME,
        GET_SCYTHE_TIME,
        GET_BUCKET_TIME,
        GET_HOSE_TIME,
        JOB_TIME_COUNT
    };

    static constexpr UInt LOOK_COUNT = 12;
    static constexpr UInt DIRECTION_COUNT = 6;
    static constexpr UInt JOB_COUNT = 11;
    // The job index while no job animation runs.
    static constexpr UInt NO_JOB = 12;
    static constexpr UInt JOB_PLOUGH = 0;
    static constexpr UInt JOB_HARVEST = 4;
    static constexpr UInt JOB_SOW = 8;
    static constexpr UInt JOB_WATER_CAN = 10;
    static constexpr UInt MAX_HOSE_FRAMES = 64;
    // The places of a package's counter over the worker.
    static constexpr UInt PACKAGE_SEGMENTS = 4;
    static constexpr UInt DIRECTION_UP = 0;
    static constexpr UInt DIRECTION_SIDE = 2;
    static constexpr UInt DIRECTION_DOWN = 4;
    // A mark stands this far in front of its area, one more per job queued before it.
    static constexpr Float MARK_DEPTH = 100;
    static constexpr const char* DATA_FILE = "Person/Person.xml";

    // One queued click: where to go, and the flag that shows it on the farm.
    struct sJob {
        cActionArea* area = nullptr;
        // A child of the area.
        cPicture* mark = nullptr;
        Vector2 point{0, 0};
    };

    // Reads "Person/Person.xml", stands where the variables say and takes back a package it
    // held when the game was left.
    explicit cPerson(cView* _parent);
    ~cPerson() override;

    // Every table of the worker; a "Speed" not above zero is refused, for the worker would
    // never arrive.
    void loadXML(iXML* _xml_doc) override;
    void absoluteProcess() override;
    // The worker's look is its animation, not a button state.
    void setStatePicture(eButtonState /*_state*/) override {}

    virtual Float& getSpeed() { return m_speed; }
    virtual void setSpeed(const Float& _speed) { m_speed = _speed; }
    virtual UInt& getDirection() { return m_direction; }
    virtual void setDirection(const UInt& _direction) { m_direction = _direction; }
    virtual UInt& getJob() { return m_job; }
    virtual void setJob(const UInt& _job) { m_job = _job; }

    // The queue. A job's mark stands at _point, _area's queued count + its depth + 100 deep;
    // the caller raises the count afterwards.
    virtual void addActionArea(cActionArea* _area, const Vector2& _point);
    // Ends the current job and makes the front of the queue current; its area, or null.
    cActionArea* acquireTask();
    // The current job's area counts one less and its other marks move up.
    void killCurrentTask();
    // Every queued job on _area goes with its mark; the current one is left alone.
    void removeTasksWithDestroyedPacket(cActionArea* _area);
    // Drops every job, the current one included, lowering each area's count.
    virtual void clearTaskList();
    // Set: the current job's area is forgotten at once; the worker's states clear it again.
    virtual void setDropCurrentTask(Bool _drop);
    Bool isDropCurrentTask() const { return m_dropCurrentTask; }
    // _area leaves the farm: every job on it goes, the current one included, and its count
    // is lowered for each, so nothing keeps a pointer to it.
    virtual void forgetActionArea(cActionArea* _area);
    const std::vector<sJob>& getQueue() const { return m_queue; }
    const sJob& getCurrentJob() const { return m_current; }

    // _position is on the screen; the variables keep it relative to the farm's ground.
    void setPos(const Vector2& _position, Bool _move);
    // Where the farm's ground starts on the screen.
    Vector2 getGroundOrigin() const;

    static UInt getCarryState();
    // Writes only a change.
    static void setCarryState(UInt _state);
    static UInt getCarriedCount();
    static UInt getCarriedGood(UInt _type);
    static void setCarriedGood(UInt _type, UInt _count);
    static Bool hasOtherGoods(UInt _type);
    static Bool canCollectMore();
    static Float getWaterLevel();
    static void setWaterLevel(Float _level);
    cSeedPackage* getCarriedPackage() const { return m_carriedPackage; }
    void setCarriedPackage(cSeedPackage* _package) { m_carriedPackage = _package; }

    // The row of the look tables that follows from the carry state and the tools' levels.
    static UInt getLook();
    Vector2 getHotSpotPosition() const;
    Vector2 getHotSpotOffset(UInt _direction) const;
    Vector2 getRawHotSpotOffset(UInt _direction) const;

    void playMoveAnimation(const Vector2& _dir);
    void playMoveTechAnimation(const Vector2& _dir);
    void playIdleAnimation();
    void playJobAnimation(UInt _job);
    void playHoseAnimation(const Vector2& _target);
    // The tools changed look with their building's level.
    void playUpgradedAnimation();
    // The animation clock runs only while the worker moves or works.
    void advanceAnimation(Float _dt);

    // The basket counter and the carry sign over the worker.
    void updateCarryTips(Bool _show, UInt _count, UInt _segments);
    // The can's water, shown only while the can is held.
    void updateWaterBar();
    // Words rising over the worker's head (a fly-text file), for a job he cannot do.
    void say(const char* _xml);

    virtual void playSound(eSoundType _type);
    // Stops a looping sound; nothing when it does not play.
    virtual void stopLoopSound(eSoundType _type);
    virtual Bool isLoopSoundPlaying(eSoundType _type) const;

    cTaskDealer& getDealer() { return m_dealer; }
    // The hints for a full warehouse and for a basket of another crop.
    cPersonTipGate& getWarehouseFullGate() { return m_warehouseFullGate; }
    cPersonTipGate& getOtherCropGate() { return m_otherCropGate; }
    Float getJobTime(eJobTime _time) const { return m_jobTimes[_time]; }
    UInt getHoseFrame() const { return m_hoseFrame; }
    Vector2 getWaterEmitterPosition() const;
    Float getWaterAngle() const;
    Bool isIdlePose() const { return m_idlePose; }
    const Vector2& getMarkSize() const { return m_markSize; }
    cProgressFloat* getWaterBar() const { return m_waterBar; }
    cProgressDiscrete* getCarriedCounter() const { return m_counter; }
    cPicture* getCarrySign() const { return m_carrySign; }

private:
    struct sReleaseResource {
        void operator()(iResource* _resource) const;
    };
    struct sDeleteChannel {
        void operator()(cChannel* _channel) const;
    };

    void loadTables(iXML* _xml_doc);
    void loadOffsets(iXML* _xml_doc);
    void loadSounds(iXML* _xml_doc);
    void restoreCarry();
    // Shows _state when it is not the one shown, then lays the height and place again.
    void showState(const cState& _state, Float _height);
    void placeCarrySign(const Vector2& _offset);
    void discardMark(sJob& _job);
    // Lays the marks of the jobs queued on _area on its click offsets, in queue order.
    void relayMarks(cActionArea* _area);

    cTaskDealer m_dealer;
    Float m_speed = 0;
    UInt m_direction = DIRECTION_SIDE;
    UInt m_job = NO_JOB;
    Bool m_idlePose = true;
    const cState* m_shown = nullptr;
    cState m_moveStates[LOOK_COUNT][DIRECTION_COUNT];
    cState m_jobStates[JOB_COUNT][DIRECTION_COUNT];
    cState m_idleStates[LOOK_COUNT][DIRECTION_COUNT];
    cState m_hoseState;
    cState m_markState;
    Vector2 m_markSize{0, 0};
    Vector2 m_hotSpots[LOOK_COUNT][DIRECTION_COUNT];
    Float m_carryHeights[LOOK_COUNT] = {};
    Float m_jobHeights[JOB_COUNT][DIRECTION_COUNT] = {};
    std::vector<Vector2> m_waterEmitters;
    std::vector<Float> m_waterAngles;
    UInt m_hoseFrame = 6;
    Vector2 m_productTipOffsets[DIRECTION_COUNT];
    Vector2 m_seedTipOffsets[DIRECTION_COUNT];
    Float m_jobTimes[JOB_TIME_COUNT] = {};
    std::array<std::unique_ptr<iResource, sReleaseResource>, SOUND_COUNT> m_sounds;
    std::array<std::unique_ptr<cChannel, sDeleteChannel>, SOUND_COUNT> m_channels;
    // Children of the worker.
    cProgressFloat* m_waterBar;
    cProgressDiscrete* m_counter;
    cPicture* m_carrySign;
    cPicture* m_carryBacking;
    std::vector<sJob> m_queue;
    sJob m_current;
    cSeedPackage* m_carriedPackage = nullptr;
    Bool m_dropCurrentTask = false;
    cPersonTipGate m_warehouseFullGate;
    cPersonTipGate m_otherCropGate;
};
