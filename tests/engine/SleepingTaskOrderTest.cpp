#include "engine/Logic.h"
#include "engine/SleepingTask.h"
#include "support/EngineHarness.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<cSleepingTask::tArgument> s_ran;

void record(cSleepingTask::tArgument _argument)
{
    s_ran.push_back(_argument);
}

// Adds a task without delay from inside a running task.
void addFollower(cSleepingTask::tArgument _argument)
{
    s_ran.push_back(_argument);
    cLogic::getInstance()->addSleepingTask(new cSleepingTask(0, &record, _argument + 1));
}

TEST(SleepingTaskOrder, ATaskAddedByAnotherTaskFirstRunsInTheNextFrame)
{
    cEngineHarness harness;
    s_ran.clear();
    harness.logic().addSleepingTask(new cSleepingTask(0, &addFollower, 10));
    harness.frame();
    EXPECT_EQ(s_ran, std::vector<cSleepingTask::tArgument>{10});
    EXPECT_EQ(harness.logic().getSleepingTaskCount(), 1u);
    harness.frame();
    EXPECT_EQ(s_ran, (std::vector<cSleepingTask::tArgument>{10, 11}));
    EXPECT_EQ(harness.logic().getSleepingTaskCount(), 0u);
}

} // namespace
