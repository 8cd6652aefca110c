#include "Ui/RecordingView.h"
#include "engine/Settings.h"
#include "engine/SleepingTask.h"
#include "support/EngineHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t KEY_LEFT_ALT = 0x38;
constexpr std::uint32_t KEY_RIGHT_ALT = 0xB8;
constexpr std::uint32_t KEY_ENTER = 0x1C;
constexpr std::uint32_t KEY_SYSRQ = 0xB7;

class LogicTest : public ::testing::Test {
protected:
    cRecordingView* view(const std::string& _name)
    {
        auto* made = new cRecordingView(m_journal, _name);
        made->show();
        made->enable();
        return made;
    }
    int count(const std::string& _entry) const
    {
        return int(std::count(m_journal.begin(), m_journal.end(), _entry));
    }
    bool fullscreen()
    {
        Bool value = false;
        cSettings::getInstance()->getPropertyT("graphics", "fullscreen", value);
        return value;
    }

    // Before the harness: views still registered write into it as the engine goes.
    std::vector<std::string> m_journal;
    cEngineHarness m_harness;
};

TEST_F(LogicTest, ARunningFadeFreezesProcessingButFadesAndDrawingGoOn)
{
    cRecordingView* a = view("a");
    a->absoluteEnable();
    a->hide();
    a->showTransparently();
    const UInt drawn = m_harness.graphics().getFrameCount();
    m_harness.frame();
    EXPECT_EQ(count("a process") + count("a absolute"), 0);
    EXPECT_GT(a->getAlpha(), 0.0f);
    EXPECT_EQ(m_harness.graphics().getFrameCount(), drawn + 1);
    // Half a second of frames ends a fade at the default speed; then the game moves again.
    m_harness.frames(30, 20);
    EXPECT_EQ(a->getFadeState(), cView::FADE_NONE);
    EXPECT_GT(count("a process"), 0);
}

TEST_F(LogicTest, InactiveFramesSleepAndStillDraw)
{
    view("a");
    m_harness.send(WE_DEACTIVATE);
    const UInt slept = m_harness.platform().getHeadlessSystem().getSleptMilliseconds();
    const UInt drawn = m_harness.graphics().getFrameCount();
    m_harness.frames(3);
    EXPECT_EQ(m_harness.platform().getHeadlessSystem().getSleptMilliseconds() - slept, 150u);
    EXPECT_EQ(m_harness.graphics().getFrameCount(), drawn + 3);
    EXPECT_EQ(count("a process"), 0);
}

TEST_F(LogicTest, MinimisedFramesOnlyDeleteDiscardedViews)
{
    view("a");
    cRecordingView* b = view("b");
    m_harness.send(WE_MINIMISE);
    discard(b, "test");
    const UInt drawn = m_harness.graphics().getFrameCount();
    m_harness.frame();
    EXPECT_EQ(count("b deleted"), 1);
    EXPECT_EQ(count("a process"), 0);
    EXPECT_EQ(m_harness.graphics().getFrameCount(), drawn);
}

TEST_F(LogicTest, EnterReleasedWhileAltIsHeldTogglesFullScreenOnceAndPrintScreenTakesAScreenshot)
{
    const struct {
        std::uint32_t alt;
        bool fullscreen;
    } cases[] = {{KEY_LEFT_ALT, true}, {KEY_RIGHT_ALT, false}};
    UInt resets = 0;
    for (const auto& c : cases) {
        m_harness.key(c.alt, true);
        m_harness.frame();
        m_harness.key(KEY_ENTER, true);
        m_harness.key(KEY_ENTER, false);
        // Input comes before the draw pass, so the same frame's begin takes the reset.
        m_harness.frame();
        EXPECT_EQ(m_harness.graphics().getResetCount(), ++resets) << c.alt;
        EXPECT_EQ(fullscreen(), c.fullscreen) << c.alt;
        m_harness.key(c.alt, false);
    }
    m_harness.frame();
    m_harness.key(KEY_ENTER, true);
    m_harness.key(KEY_ENTER, false);
    m_harness.frame();
    EXPECT_FALSE(fullscreen()) << "Enter alone toggles nothing";
    m_harness.key(KEY_SYSRQ, true);
    m_harness.key(KEY_SYSRQ, false);
    m_harness.frame();
    EXPECT_EQ(m_harness.graphics().getScreenshotCount(), 1u);
}

std::vector<std::uintptr_t> s_calls;

void recordCall(cSleepingTask::tArgument _argument)
{
    s_calls.push_back(_argument);
}

TEST_F(LogicTest, SleepingTasksRunOnceTheirDelayHasPassedThenGo)
{
    s_calls.clear();
    int target = 0;
    const auto pointer = reinterpret_cast<std::uintptr_t>(&target);
    m_harness.logic().addSleepingTask(new cSleepingTask(0, &recordCall, pointer));
    m_harness.logic().addSleepingTask(new cSleepingTask(1.0f, &recordCall, 2));
    m_harness.frame();
    EXPECT_EQ(s_calls, std::vector<std::uintptr_t>{pointer});
    EXPECT_EQ(m_harness.logic().getSleepingTaskCount(), 1u);
    m_harness.frames(40, 40);
    EXPECT_EQ(s_calls, (std::vector<std::uintptr_t>{pointer, 2}));
    EXPECT_EQ(m_harness.logic().getSleepingTaskCount(), 0u);
}

// Adds a task without delay from inside a running task.
void addFollower(cSleepingTask::tArgument _argument)
{
    s_calls.push_back(_argument);
    cLogic::getInstance()->addSleepingTask(new cSleepingTask(0, &recordCall, _argument + 1));
}

TEST_F(LogicTest, ATaskAddedByAnotherTaskFirstRunsInTheNextFrame)
{
    s_calls.clear();
    m_harness.logic().addSleepingTask(new cSleepingTask(0, &addFollower, 10));
    m_harness.frame();
    EXPECT_EQ(s_calls, std::vector<std::uintptr_t>{10});
    m_harness.frame();
    EXPECT_EQ(s_calls, (std::vector<std::uintptr_t>{10, 11}));
    EXPECT_EQ(m_harness.logic().getSleepingTaskCount(), 0u);
}

TEST_F(LogicTest, SleepingTasksWaitWhileTheGameIsInactive)
{
    s_calls.clear();
    m_harness.send(WE_APP_DEACTIVATE);
    m_harness.logic().addSleepingTask(new cSleepingTask(0, &recordCall, 1));
    m_harness.frames(3);
    EXPECT_TRUE(s_calls.empty());
    m_harness.send(WE_APP_ACTIVATE);
    m_harness.frame();
    EXPECT_EQ(s_calls.size(), 1u);
}

int s_callbacks = 0;

TEST_F(LogicTest, TheFrameCallbackRunsOncePerActiveFrame)
{
    m_harness.logic().setProcessCallback([] { ++s_callbacks; });
    m_harness.frames(2);
    m_harness.send(WE_DEACTIVATE);
    m_harness.frame();
    EXPECT_EQ(s_callbacks, 2);
}

TEST_F(LogicTest, TheCursorIsReadRelativeToTheWindow)
{
    m_harness.window().setClientPosition(100, 50);
    m_harness.window().setCursorPosition(130, 70);
    m_harness.frame();
    EXPECT_FLOAT_EQ(m_harness.logic().getCursor().x, 30.0f);
    EXPECT_FLOAT_EQ(m_harness.logic().getCursor().y, 20.0f);
    m_harness.window().setCursorAvailable(false);
    m_harness.window().setCursorPosition(0, 0);
    m_harness.frame();
    EXPECT_FLOAT_EQ(m_harness.logic().getCursor().x, 30.0f);
}

TEST_F(LogicTest, ShuttingTheEngineDeletesEveryRegisteredView)
{
    view("a");
    cRecordingView* b = view("b");
    b->absoluteEnable();
    b->disable();
    m_harness.shut();
    EXPECT_EQ(count("a deleted"), 1);
    EXPECT_EQ(count("b deleted"), 1);
}

// A renderer whose pictures cannot be written, as in a read-only folder.
class cUnwritableScreenshots : public cNullGraphics {
public:
    using cNullGraphics::cNullGraphics;
    void screenshot() override
    {
        cNullGraphics::screenshot();
        throw String("Can't write the screenshot \"01-01-2601-00-00.dds\".");
    }
};

TEST(FailedScreenshot, IsLoggedAndTheGameGoesOn)
{
    cEngineHarness harness(cEngineHarness::DEFAULT_SETTINGS,
        [](iWindow* _window) -> iGraphics* { return new cUnwritableScreenshots(_window); });
    harness.key(KEY_SYSRQ, true);
    harness.key(KEY_SYSRQ, false);
    EXPECT_NO_THROW(harness.frames(4));
    EXPECT_EQ(harness.graphics().getScreenshotCount(), 1u);
    EXPECT_NE(readFileBytes("error.log").find("01-01-2601-00-00.dds"), std::string::npos);
}

} // namespace
