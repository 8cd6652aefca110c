#include "engine/Entry.h"
#include "engine/ReplayScript.h"
#include "support/EngineHarness.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

namespace {

TEST(ReplayScript, EachEventLineReadsAsItsEvent)
{
    // The events as frame, action, x, y, code, text.
    const struct {
        const char* line;
        sReplayEvent expected;
    } lines[] = {
        {"1 move 120 -4", {1, REPLAY_MOVE, 120, -4, 0, ""}},
        {"  2\tpress left", {2, REPLAY_PRESS, 0, 0, 0, ""}},
        {"2 release Right # a comment", {2, REPLAY_RELEASE, 0, 0, 1, ""}},
        {"3 press 7", {3, REPLAY_PRESS, 0, 0, 7, ""}},
        {"4 down esc", {4, REPLAY_KEY_DOWN, 0, 0, 0x01, ""}},
        {"4 up NumPad Enter", {4, REPLAY_KEY_UP, 0, 0, 0x9C, ""}},
        {"5 down 1", {5, REPLAY_KEY_DOWN, 0, 0, 0x02, ""}}, // the digit key's name, not code 1
        {"5 down 0x26", {5, REPLAY_KEY_DOWN, 0, 0, 0x26, ""}},
        {"6 text  Grüße # not a comment ", {6, REPLAY_TEXT, 0, 0, 0, " Grüße # not a comment "}},
        {"7 shot menu/Main.PNG", {7, REPLAY_SHOT, 0, 0, 0, "menu/Main.PNG"}},
    };
    for (const auto& line : lines) {
        const std::vector<sReplayEvent> events = parseReplay(line.line, "r.txt");
        ASSERT_EQ(events.size(), 1u) << line.line;
        EXPECT_EQ(events[0], line.expected) << line.line;
    }
}

TEST(ReplayScript, CommentsBlankLinesAndLineEndsAreSkipped)
{
    const std::vector<sReplayEvent> events =
        parseReplay("\xEF\xBB\xBF# walk\r\n\r\n   \n  # indented\n3 press 0\r\n3 release 0", "r.txt");
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1], (sReplayEvent{3, REPLAY_RELEASE, 0, 0, 0, ""}));
}

TEST(ReplayScript, AMalformedLineNamesTheFileAndTheLine)
{
    const std::pair<const char*, const char*> scripts[] = {
        {"move 1 2", "line 1: the line does not start with a frame number."},
        {"# x\n0 press left", "line 2: frames count from 1."},
        {"9 press left\n5 press left", "line 2: frame 5 comes after frame 9: frames never go back."},
        {"4", "line 1: the frame number has no event."},
        {"4 jump", "line 1: unknown event \"jump\"."},
        {"4 move 1", "line 1: a move takes two whole numbers, x and y."},
        {"4 move 1 2 3", "line 1: a move takes two whole numbers, x and y."},
        {"4 press 8", "line 1: unknown mouse button \"8\" (left, right, middle or 0 to 7)."},
        {"4 down Hyper", "line 1: unknown key \"Hyper\""},
        {"4 down 0x100", "line 1: unknown key \"0x100\""},
        {"4 down 0x0", "line 1: unknown key \"0x0\""},
        {"4 text", "line 1: nothing to type."},
        {"4 text \xC3(", "line 1: the text is not UTF-8."},
        {"4 shot picture.bmp", "line 1: a shot takes a file name ending in .png."},
        {"4 shot .png", "line 1: a shot takes a file name ending in .png."},
    };
    for (const auto& script : scripts) {
        const String error = thrownText([&] { parseReplay(script.first, "walk.txt"); });
        EXPECT_EQ(error.rfind("Replay \"walk.txt\", " + String(script.second), 0), 0u) << error;
    }
}

TEST(ReplayScript, AFileThatCannotBeReadIsAnError)
{
    EXPECT_THROW(loadReplay("/nonexistent/walk.txt"), String);
}

// The replay's events reaching the game are the smoke walks' to check.
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
