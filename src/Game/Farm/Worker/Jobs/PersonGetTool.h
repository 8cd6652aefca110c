#pragma once
#include "Game/Farm/Worker/Jobs/PersonTimedJob.h"

// The worker takes a tool at its building: the spade, the scythe, or the can filled at the
// water source. Once taken, the buildings show which tools are out.
class cPersonGetTool : public cPersonTimedJob {
public:
    explicit cPersonGetTool(UInt _carry) : m_carry(_carry) {}

protected:
    void finish() override;

private:
    UInt m_carry;
};

class cPersonGetSpade : public cPersonGetTool {
public:
    cPersonGetSpade();
    eKind kind() const override { return GET_SPADE; }

protected:
    Float duration() const override;
};

class cPersonGetScythe : public cPersonGetTool {
public:
    cPersonGetScythe();
    eKind kind() const override { return GET_SCYTHE; }

protected:
    Float duration() const override;
};

class cPersonGetWBucket : public cPersonGetTool {
public:
    cPersonGetWBucket();
    eKind kind() const override { return GET_BUCKET; }

protected:
    Float duration() const override;
    void begin() override;
    void finish() override;
};
