#include "engine/Entry.h"
#include "support/EngineHarness.h"

#include <gtest/gtest.h>

namespace {

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
