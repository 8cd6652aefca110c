#pragma once
#include "engine/Types.h"

class cFarmFieldTile;
class cPerson;
class cTask;

// The worker's job as the game variables keep it ("PJob", "PJobField", "PJobLeft"): a timed job
// or the hose's spraying. A job is paid for, or its tool handed back, when it starts, and
// changes the farm when it ends: a game left in between gets the job back, so nothing paid or
// given is lost and nothing is given twice. A profile of an earlier build keeps no job, and the
// worker starts idle.
namespace keptJob {

// _kind is a cPersonTimedJob::eKind; _field is null for a job on no field.
void keep(UInt _kind, const cFarmFieldTile* _field);
void keepTime(Float _left);
void forget();
// The job the variables keep, made again with the time it still needs and ready to start;
// null when none is kept or it no longer fits the farm (its field ploughed meanwhile, say),
// which the error log tells. A bed the hose can no longer spray keeps the water the spraying
// would have given it.
cTask* takeUp(const cPerson& _person);

} // namespace keptJob
