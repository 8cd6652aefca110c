#pragma once
#include "engine/Types.h"
#include "Game/Timeline/TimeObject.h"

#include <memory>
#include <vector>

class iEventTargets;
class iXML;

// One event of the time-line. An element of the time-line file gives the time, the note and,
// under "Data", the values of the event's type.
struct sBaseEvent {
    enum eType : UInt {
        UPGRADE_AVAILABLE,
        SEED_AVAILABLE,
        MONEY_CHANGE,
        FIELD_DESTROY,
        DEPOT_DESTROY,
        CONTRACT,
        POPULARITY_CHANGE,
        FIELD_ACCESS,
        TRIGGER,
        MAIN_GAME_END,
        TYPE_COUNT
    };

    // Null for a type outside 0..9.
    static std::unique_ptr<sBaseEvent> make(UInt _type);

    virtual ~sBaseEvent() = default;
    // "Time", "Note" and the "Data" child's "Range", then the type's own values.
    void loadXML(iXML* _xml_doc);
    virtual void fire(iEventTargets& /*_targets*/) {}
    // Empty when every value that later indexes a table is in range; else what is wrong.
    virtual String check() const { return String(); }
    // Adds the share _factor of the values as loaded to the values now.
    virtual void applyRandomFactor(Float /*_factor*/) {}
    // Puts back the values as loaded, before any factor.
    virtual void clearRandomFactors() {}
    // Whether the game variables lack what firing would have left for good: then the event
    // has not fired. False where nothing shows it.
    virtual Bool isPlainlyUnfired() const { return false; }

    UInt type = 0;
    sTimeObject time;
    WString note;
    Float range = 0;
    UInt index = 0;

protected:
    // _data is null when the element has no "Data".
    virtual void loadData(iXML* /*_data*/) {}
    void addNote(iEventTargets& _targets) const;
};

struct sUpgradeAvailableEvent : sBaseEvent {
    void fire(iEventTargets& _targets) override;
    Bool isPlainlyUnfired() const override;
    String check() const override;
    UInt DepotType = 0xFFFFFFFFu;
    UInt Upgrade = 0xFFFFFFFFu;

protected:
    void loadData(iXML* _data) override;
};

struct sSeedAvailableEvent : sBaseEvent {
    void fire(iEventTargets& _targets) override;
    Bool isPlainlyUnfired() const override;
    String check() const override;
    UInt SeedType = 0xFFFFFFFFu;

protected:
    void loadData(iXML* _data) override;
};

// Money change, field destruction and depot destruction share their values.
struct sValueEvent : sBaseEvent {
    Float RandomFactor = 0;
    Int Value = 0;

protected:
    void loadData(iXML* _data) override;
};

struct sMoneyChangeEvent : sValueEvent {
    void fire(iEventTargets& _targets) override;
};

struct sFieldDestroyEvent : sValueEvent {
    void fire(iEventTargets& _targets) override;
};

// Announced but never acted on.
struct sDepotDestroyEvent : sValueEvent {};

struct sContractReq {
    UInt ProductType = 0;
    UInt Count = 0;
    // 0: goods from the warehouse; 1: no requirement.
    UInt ReqType = 1;
};

struct sContractEvent : sBaseEvent {
    static constexpr UInt REQ_COUNT = 2;

    void fire(iEventTargets& _targets) override;
    String check() const override;
    // Never below 0, however the factors walk.
    void applyRandomFactor(Float _factor) override;
    void clearRandomFactors() override;

    sTimeObject WinTime;
    Int Bonus = 0;
    Int Penalty = 0;
    // The chance that the letter is sent.
    Float RandomFactor = 0;
    sContractReq Requirements[REQ_COUNT];
    WString WinNote;
    WString LosNote;
    sTimeObject LetterTime;
    Int baseBonus = 0;
    Int basePenalty = 0;
    sContractReq baseRequirements[REQ_COUNT];

protected:
    void loadData(iXML* _data) override;
};

struct sPopularityChangeEvent : sBaseEvent {
    struct sPair {
        UInt ProductType = 0;
        Int Value = 0;
    };

    void fire(iEventTargets& _targets) override;
    String check() const override;
    void applyRandomFactor(Float _factor) override;
    void clearRandomFactors() override { values = baseValues; }

    std::vector<sPair> values;
    std::vector<sPair> baseValues;

protected:
    void loadData(iXML* _data) override;
};

struct sFieldAccess : sBaseEvent {
    // A release that is not the next field level is passed over: a time-line that repeats
    // its releases every cycle must not end the game.
    void fire(iEventTargets& _targets) override;
    Bool isPlainlyUnfired() const override;
    String check() const override;
    Int UpgradeIndex = 0;

protected:
    void loadData(iXML* _data) override;
};

struct sTrigger : sBaseEvent {
    void fire(iEventTargets& _targets) override;
    Int Money = 0;
    Int WareLevel = -1;

protected:
    void loadData(iXML* _data) override;
};

struct sMainGameEndEvent : sBaseEvent {
    void fire(iEventTargets& _targets) override;
};
