#include "engine/Engine.h"
#include "engine/Entry.h"
#include "engine/Replay.h"
#include "engine/Timer.h"
#include "input/Input.h"
#include "support/EngineHarness.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// What reached the input manager's handlers, each with the frame it arrived in.
struct sArrival {
    String what;
    UInt frame;
    bool operator==(const sArrival& _other) const { return what == _other.what && frame == _other.frame; }
};
std::vector<sArrival> s_arrivals;

void arrived(const String& _what)
{
    s_arrivals.push_back({_what, cEngine::getInstance()->getFrameCount() + 1});
}

void onEscapeDown(cView*) { arrived("Esc down"); }
void onEscapeUp(cView*) { arrived("Esc up"); }
void onLeftDown(cView*)
{
    const Vector2& cursor = cLogic::getInstance()->getCursor();
    arrived("left down at " + std::to_string(int(cursor.x)) + "," + std::to_string(int(cursor.y)));
}
void onLeftUp(cView*) { arrived("left up"); }
void onChar(char16_t _char, cView*) { arrived("char " + std::to_string(int(_char))); }

TEST(Replay, EventsReachTheInputManagerInTheirFramesAndShotsAreSkippedHeadless)
{
    s_arrivals.clear();
    cEngineHarness harness;
    cInput& input = *cInput::getInstance();
    input.bind(CONTROL_KEY_PRESSED + KEY_ESCAPE, onEscapeDown, nullptr);
    input.bind(KEY_ESCAPE, onEscapeUp, nullptr);
    input.bind(CONTROL_BUTTON_PRESSED, onLeftDown, nullptr);
    input.bind(CONTROL_BUTTON_RELEASED, onLeftUp, nullptr);
    input.bindKeyboard(onChar, nullptr);
    const char* script = "2 down Esc\n3 up 0x01\n4 move 30 40\n4 press left\n5 release left\n"
                         "6 text h\xC3\xA9\n6 shot seen.png\n";
    harness.engine().setReplay(
        std::make_unique<cReplay>(parseReplay(script, "walk.txt"), harness.platform()));
    cTimer::getInstance()->setFixedFrameTime(0.025f);
    harness.engine().setFrameLimit(8);
    harness.engine().process();

    const std::vector<sArrival> expected = {
        {"char 27", 2}, {"Esc down", 2}, {"Esc up", 3}, {"left down at 30,40", 4},
        {"left up", 5}, {"char 104", 6}, {"char 233", 6},
    };
    EXPECT_EQ(s_arrivals, expected);
    EXPECT_FLOAT_EQ(cTimer::getInstance()->getTime(), 8 * 0.025f);
    EXPECT_FALSE(std::filesystem::exists("seen.png"));
    EXPECT_NE(readFileBytes("replay.log").find("Frame 6: shot \"seen.png\" skipped"), std::string::npos);
}

TEST(Replay, AMalformedReplayEndsTheRunInTheFatalReportNamingFileAndLine)
{
    cTestData data;
    cHeadlessPlatform platform;
    writeFileBytes("walk.txt", "1 press left\n2 jump\n");
    sRunOptions options;
    options.replayFile = "walk.txt";
    EXPECT_EQ(runEntry(data.root().c_str(), options), 1);
    EXPECT_NE(readFileBytes("error.log").find("Replay \"walk.txt\", line 2: unknown event \"jump\".\nMain"),
              std::string::npos);
    EXPECT_FALSE(platform.getHeadlessWindow().isShown());
}

} // namespace
