#pragma once
#include "engine/Types.h"

// What the award manager asks of a running game besides its game variables: two counts that
// belong to the production and market screens, and whether the player's attention is taken
// by something an award must not interrupt. The game answers through cGameAwardQuery; tests
// script their own answers.
class iAwardQuery {
public:
    virtual ~iAwardQuery() = default;

    // Production buildings placed at least once and still standing.
    virtual UInt getBuiltDepotCount() const = 0;
    // Units of product kind _kind (0..18) on sale at the market.
    virtual UInt getQtyOfKind(UInt _kind) const = 0;
    // The game stands: paused, or a tip or dialog holds the game bar.
    virtual Bool isGameHeld() const = 0;
    virtual Bool isScreenSliding() const = 0;
    // A contract offer, failure, hand-over or goal window, the seed shop or the build panel.
    virtual Bool isDialogOpen() const = 0;
};

// The running game's answers, from the objects that exist now; a missing one holds nothing.
class cGameAwardQuery : public iAwardQuery {
public:
    UInt getBuiltDepotCount() const override;
    UInt getQtyOfKind(UInt _kind) const override;
    Bool isGameHeld() const override;
    Bool isScreenSliding() const override;
    Bool isDialogOpen() const override;
};
