#pragma once
#include "Game/Farm/Worker/Jobs/PersonTimedJob.h"

class cPerson;

// The worker's timed job as the game variables keep it ("PJob", "PJobField", "PJobLeft"). A
// job is paid for, or its tool handed back, when it starts, and changes the farm when it ends:
// a game left in between gets the job back, so nothing paid or given is lost and nothing is
// given twice. A profile of an earlier build keeps no job, and the worker starts idle.
namespace keptJob {

void keep(const cPersonTimedJob& _job);
void keepTime(Float _left);
void forget();
// The job the variables keep, made again with the time it still needs and ready to start;
// null when none is kept or it no longer fits the farm (its field ploughed meanwhile, say),
// which the error log tells.
cPersonTimedJob* takeUp(const cPerson& _person);

} // namespace keptJob
