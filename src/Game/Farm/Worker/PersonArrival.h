#pragma once
#include "engine/Types.h"

class cActionArea;

// What the worker does on reaching _area with what it carries: start a job, swap tools, pay,
// raise a tutorial tip, or nothing. Installs the next state in the worker's dealer and keeps
// the award counters of well-aimed clicking.
void decideArrival(cActionArea* _area);
