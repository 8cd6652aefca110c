#pragma once
#include "Game/Farm/Worker/Jobs/PersonTimedJob.h"

class cFarmFieldTile;

// The worker pours the whole can over a field; what the field cannot take stays in the can.
class cPersonWateringWithPot : public cPersonTimedJob {
public:
    explicit cPersonWateringWithPot(cFarmFieldTile* _field) : m_field(_field) {}
    eKind kind() const override { return WATER_WITH_POT; }
    const cFarmFieldTile* field() const override { return m_field; }

protected:
    Float duration() const override;
    void begin() override;
    void finish() override;

private:
    cFarmFieldTile* m_field;
};
