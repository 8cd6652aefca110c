#pragma once
#include "Game/Farm/Worker/Jobs/PersonTimedJob.h"

class cFarmFieldTile;

// The worker harvests a ripe field into the basket; the field grows again.
class cPersonCollecting : public cPersonTimedJob {
public:
    explicit cPersonCollecting(cFarmFieldTile* _field) : m_field(_field) {}
    eKind kind() const override { return COLLECT; }
    const cFarmFieldTile* field() const override { return m_field; }

protected:
    Float duration() const override;
    void begin() override;
    void finish() override;

private:
    cFarmFieldTile* m_field;
};
