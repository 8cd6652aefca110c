#include "Game/TaskDealer.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// A task that writes what happens to it into a shared log and runs the steps it was given.
class cLoggedTask : public cTask {
public:
    cLoggedTask(std::vector<std::string>& _log, std::string _name) : m_log(_log), m_name(std::move(_name)) {}
    ~cLoggedTask() override { m_log.push_back(m_name + " deleted"); }

    void onStart() override { m_log.push_back(m_name + " start"); }
    Bool onProcess() override
    {
        if (!m_process)
            return cTask::onProcess();
        const Bool done = m_process();
        m_log.push_back(m_name + " processed");
        return done;
    }
    void onEnd() override
    {
        m_log.push_back(m_name + " end");
        if (m_end)
            m_end();
    }

    std::function<Bool()> m_process;
    std::function<void()> m_end;

private:
    std::vector<std::string>& m_log;
    std::string m_name;
};

class cTaskDealerTest : public ::testing::Test {
protected:
    cLoggedTask* task(const std::string& _name) { return new cLoggedTask(m_log, _name); }

    std::vector<std::string> m_log;
    cTaskDealer m_dealer;
};

using tLog = std::vector<std::string>;

// A task that does not say otherwise ends on the next frame; no task on an idle dealer changes nothing.
TEST_F(cTaskDealerTest, ATaskEndsOnTheNextFrameAndGoes)
{
    for (const Bool given : {true, false}) {
        m_dealer.setTask(given ? task("a") : nullptr);
        m_dealer.process();
        EXPECT_EQ(m_log, given ? tLog({"a start", "a end", "a deleted"}) : tLog()) << given;
        EXPECT_EQ(m_dealer.getTask(), nullptr);
        m_log.clear();
    }
}

TEST_F(cTaskDealerTest, TheSuccessorStartsBeforeTheFinishedTaskIsDeleted)
{
    cLoggedTask* first = task("a");
    first->m_end = [this] { m_dealer.setTask(task("b")); };
    m_dealer.setTask(first);
    m_dealer.process();
    EXPECT_EQ(m_log, (tLog{"a start", "a end", "b start", "a deleted"}));
    ASSERT_NE(m_dealer.getTask(), nullptr);
}

TEST_F(cTaskDealerTest, ATaskReplacedWhileItRunsLivesUntilItsStepReturnsAndDoesNotEnd)
{
    for (const Bool finished : {false, true}) {
        m_log.clear();
        cLoggedTask* running = task("a");
        running->m_process = [this, finished] {
            m_dealer.setTask(task("b"));
            return finished;
        };
        m_dealer.setTask(running);
        m_dealer.process();
        EXPECT_EQ(m_log, (tLog{"a start", "b start", "a processed", "a deleted"})) << finished;
        m_log.clear();
        m_dealer.process();
        EXPECT_EQ(m_log, (tLog{"b end", "b deleted"})) << "the replacement runs on: " << finished;
    }
}

// A task replaced from outside goes without its end; the task the dealer already holds, given
// again, starts again and is never freed under the dealer.
TEST_F(cTaskDealerTest, ATaskReplacedFromOutsideGoesWithoutItsEndButTheCurrentOneGivenAgainStays)
{
    cLoggedTask* current = task("a");
    m_dealer.setTask(current);
    m_dealer.setTask(current);
    m_dealer.setTask(task("b"));
    EXPECT_EQ(m_log, (tLog{"a start", "a start", "a deleted", "b start"}));
    m_log.clear();
    cLoggedTask* running = task("r");
    running->m_process = [this, running] {
        m_dealer.setTask(task("c"));
        m_dealer.setTask(running);
        return false;
    };
    m_dealer.setTask(running);
    m_dealer.process();
    EXPECT_EQ(m_dealer.getTask(), running);
    EXPECT_EQ(m_log, (tLog{"b deleted", "r start", "c start", "c deleted", "r start", "r processed"}));
    m_log.clear();
    m_dealer.setTask(nullptr);
    EXPECT_EQ(m_log, (tLog{"r deleted"}));
}

// A repeating state hands itself over again in its onEnd, possibly followed by a replacement.
TEST_F(cTaskDealerTest, ATaskThatSetsItselfAgainInItsEndRunsOn)
{
    struct sCase {
        Bool replaced;
        tLog log;
    };
    const sCase cases[] = {
        {false, {"a start", "a end", "a start", "a end", "a start"}},
        {true, {"a start", "a end", "a start", "b start", "a deleted"}},
    };
    for (const sCase& c : cases) {
        m_log.clear();
        cLoggedTask* repeating = task("a");
        repeating->m_end = [this, repeating, &c] {
            m_dealer.setTask(repeating);
            if (c.replaced)
                m_dealer.setTask(task("b"));
        };
        m_dealer.setTask(repeating);
        m_dealer.process();
        if (!c.replaced)
            m_dealer.process();
        EXPECT_EQ(m_log, c.log) << c.replaced;
        ASSERT_NE(m_dealer.getTask(), nullptr);
        EXPECT_EQ(m_dealer.getTask() == repeating, !c.replaced);
        m_dealer.setTask(nullptr);
    }
}

} // namespace
