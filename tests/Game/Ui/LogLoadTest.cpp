#include "Game/Ui/LogLoad.h"
#include "Game/Ui/ShellHarness.h"
#include "Ui/ProgressFloat.h"
#include "Ui/ViewWatch.h"
#include "engine/Resource.h"

namespace {

std::vector<std::string> s_journal;
cLogLoad* s_screen = nullptr;

// The continuation notes the bar as it stood when it ran.
void noteBar()
{
    s_journal.push_back(s_screen ? std::to_string(s_screen->getProgress()->getValue()) : "ran");
}

class LogLoadTest : public cShellTest {
protected:
    LogLoadTest()
        : cShellTest({{"seven.xml", log({0, 0, 0, 0, 0, 0, 0})}, {"empty.xml", log({})}, {"skipped.xml", log({5, 6, 0})},
                      {"e0.png", picture(4, 4)}, {"e1.png", picture(4, 4)}, {"e2.png", picture(4, 4)},
                      {"e3.png", picture(4, 4)}, {"e4.png", picture(4, 4)}, {"e5.png", picture(4, 4)},
                      {"e6.png", picture(4, 4)}})
    {
        s_journal.clear();
        s_screen = nullptr;
    }
    // The bar after each frame, the last as the continuation saw it, until the screen has gone.
    std::vector<Float> run(const String& _log, UInt _perFrame)
    {
        s_screen = cLogLoad::start(_log, &noteBar, _perFrame, true);
        cViewWatch screen(s_screen);
        std::vector<Float> bars;
        for (int frame = 0; screen && frame < 10; ++frame) {
            m_engine.frame();
            bars.push_back(screen ? s_screen->getProgress()->getValue() : std::stof(s_journal.at(0)));
        }
        return bars;
    }
};

// Each frame shows what was loaded before it; an empty log ends on its first frame, and mesh
// and animation entries are skipped.
TEST_F(LogLoadTest, TheBarCountsBatchesAndTheContinuationRunsOnce)
{
    const struct {
        const char* log;
        UInt perFrame;
        std::vector<Float> bars;
    } cases[] = {{"seven.xml", 3, {0.0f, 30.0f, 60.0f}}, {"empty.xml", 3, {0.0f}}, {"skipped.xml", 30, {0.0f}}};
    for (const auto& c : cases) {
        s_journal.clear();
        EXPECT_EQ(run(c.log, c.perFrame), c.bars) << c.log;
        EXPECT_EQ(s_journal.size(), 1u) << c.log;
    }
}

// No screen is left behind to be used, and nothing is cleared from the cache.
TEST_F(LogLoadTest, AMissingLogRunsTheContinuationAtOnce)
{
    cResourceManager& resources = *cResourceManager::getInstance();
    iResource* kept = resources.getTexture("e0.png");
    kept->release();
    EXPECT_EQ(cLogLoad::start("missing.xml", &noteBar, 3, true), nullptr);
    EXPECT_EQ(s_journal, std::vector<std::string>{"ran"});
    m_engine.frames(2);
    EXPECT_EQ(resources.getTexture("e0.png"), kept);
    kept->release();
}

// Each switch stops the music before the next one starts.
TEST_F(LogLoadTest, MenuGameMenuTwiceLeavesOneMusicChannel)
{
    for (Bool menu : {true, false, true, false, true}) {
        cLogLoad::start("missing.xml", nullptr, 3, menu);
        EXPECT_EQ(audibleChannels(), 1);
    }
    cLogLoad::endRun();
    EXPECT_EQ(audibleChannels(), 0);
}

class SilentLoadTest : public cShellTest {
protected:
    SilentLoadTest() : cShellTest({{"Ui/Load.xml", makeXml16("<Load Visible=\"1\" Enable=\"1\"/>")}}) {}
};

TEST_F(SilentLoadTest, AScreenFileWithoutMusicPlaysNothing)
{
    cLogLoad::start("missing.xml", nullptr, 3, true);
    EXPECT_EQ(audibleChannels(), 0);
    EXPECT_EQ(m_engine.platform().getHeadlessSoundLibrary().countCalls("loadSample"), 0);
}

} // namespace
