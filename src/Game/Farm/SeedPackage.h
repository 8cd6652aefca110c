#pragma once
#include "Game/Farm/ActionArea.h"

// A bag of seeds lying on the farm, which the worker fetches to sow.
// Not filled in yet: the seed shop sells none, so the farm's list of packages stays empty.
class cSeedPackage : public cActionArea {
public:
    explicit cSeedPackage(cView* _parent) : cActionArea(_parent, AAT_SEED_PACKAGE) {}
};
