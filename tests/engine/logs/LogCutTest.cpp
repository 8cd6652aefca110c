#include "engine/logs/FatalError.h"
#include "engine/logs/Log.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::size_t LIMIT = LOG_LINE_LIMIT;

TEST(LogCut, KeepsTheStartOfALongValueAndCountsTheRest)
{
    const std::pair<std::string, std::string> cases[] = {{"Invalid time format", "Invalid time format"},
        {std::string(LIMIT, 'y'), std::string(LIMIT, 'y')},
        {std::string(LIMIT + 10, 'y'), std::string(LIMIT, 'y') + "... (10 more bytes)"},
        // Never half a character: the two bytes of é straddle the limit.
        {std::string(LIMIT - 1, 'a') + "\xC3\xA9" + "bbbbb", std::string(LIMIT - 1, 'a') + "... (7 more bytes)"}};
    for (const auto& c : cases)
        EXPECT_EQ(cutForLog(c.first), c.second) << c.first.size();
}

TEST(LogCutLines, EachLineOfAStackIsCutAloneAndTheRestSurvive)
{
    const std::string stack = "The attribute \"Visible\" is not 0 or 1: \"" + std::string(3 * LIMIT, '9') +
                              "\".\nwhile reading \"Ui/Load.xml\"\nMain";
    const std::string cut = cutLinesForLog(stack);
    EXPECT_LT(cut.size(), LIMIT + 100);
    EXPECT_NE(cut.find("more bytes)\nwhile reading \"Ui/Load.xml\"\nMain"), std::string::npos);
}

// One damaged attribute of eight million characters once wrote 32 MB to the error log.
TEST(LogCutLines, AFatalReportOfAHugeValueWritesAShortErrorLog)
{
    cTempFolder folder(true);
    reportFatalError("Cant't find file '" + std::string(8000000, 'x') + "'\nMain");
    const std::string log = readFileBytes(folder.file("error.log"));
    EXPECT_LT(log.size(), 2 * LIMIT);
    EXPECT_EQ(log.substr(log.size() - 5), "Main\n");
}

// A harness that must not change the current folder still keeps its logs out of it.
TEST(LogFolder, LogsMadeAfterSettingItGoThereAndTheCurrentFolderStaysClean)
{
    cTempFolder current(true);
    cTempFolder elsewhere;
    setLogFolder(elsewhere.path() + "/");
    cLog("moved", true).print(String("here"));
    setLogFolder("");
    cLog("home", true).print(String("there"));
    EXPECT_NE(readFileBytes(elsewhere.file("moved.log")).find("here"), std::string::npos);
    EXPECT_EQ(readFileBytes(current.file("moved.log")), "");
    EXPECT_NE(readFileBytes(current.file("home.log")).find("there"), std::string::npos);
}

} // namespace
