#include "engine/ErrorStack.h"
#include "engine/FatalError.h"
#include "engine/File.h"
#include "engine/LogManager.h"
#include "engine/Profile.h"
#include "engine/Singleton.h"
#include "support/EngineCore.h"
#include "support/TempFolder.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <regex>
#include <stdexcept>

namespace {

void innermost(int _kind)
{
    GUARD_BEGIN
    if (_kind == 0)
        throw "msg";
    if (_kind == 1)
        throw 42;
    throw std::runtime_error("std failure");
    GUARD_END("sig3")
}

void middle(int _kind)
{
    GUARD_BEGIN
    innermost(_kind);
    GUARD_END("sig2")
}

int outer(int _kind)
{
    GUARD_BEGIN
    middle(_kind);
    return 0;
    GUARD_END("sig1")
}

String caught(int _kind)
{
    return thrownText([_kind] {
        GUARD_BEGIN
        outer(_kind);
        GUARD_END("Main")
    });
}

TEST(ErrorStack, OneLinePerGuardInnermostFirst)
{
    EXPECT_EQ(caught(0), "msg\nsig3\nsig2\nsig1\nMain");
    EXPECT_EQ(getErrorCallStack(), "msg\nsig3\nsig2\nsig1\nMain");
    getErrorCallStack() = "earlier";
    EXPECT_EQ(caught(1), "earlier\nsig3\nsig2\nsig1\nMain") << "a non-text exception appends where the stack is";
    EXPECT_EQ(caught(2), "std failure\nsig3\nsig2\nsig1\nMain") << "a new text starts a new stack";
    EXPECT_EQ(caught(0), "msg\nsig3\nsig2\nsig1\nMain");
}

class cManager : public cSingleton<cManager> {
public:
    int value = 5;
};

class cFailing : public cSingleton<cFailing> {
public:
    cFailing() { throw "cannot build"; }
};

TEST(Singleton, OneInstanceAtATimeAndNoneAfterAFailedConstruction)
{
    EXPECT_EQ(cManager::getInstance(), nullptr);
    auto* first = new cManager;
    EXPECT_EQ(cManager::getInstance(), first);
    EXPECT_EQ(cManager::getInstance()->value, 5);
    EXPECT_EQ(thrownText([] { cManager second; }), "Object already exist.");
    EXPECT_EQ(cManager::getInstance(), first) << "the failed second build leaves the first";
    delete first;
    EXPECT_FALSE(cManager::exists());
    cManager again;
    EXPECT_EQ(cManager::getInstance(), &again);
    EXPECT_THROW(cFailing(), const char*);
    EXPECT_FALSE(cFailing::exists());
}

const std::string kHeader = R"(\n\d\d/\d\d/\d\d - \d\d:\d\d:\d\d -{56}\n)";
const std::string kTime = R"(\[\d{1,2}:\d{1,2}:\d{1,2}-)";

TEST(Log, HeaderAndNumberedLines)
{
    cTempFolder folder(true);
    cLog* log = getLog("alpha", true);
    EXPECT_EQ(getLog("alpha", false), log) << "one log per name";
    log->print(String("first"));
    getLog("beta", true)->printf("%s %d", "second", 2);
    log->print(WString(u"третья"));

    const std::string alpha = readFileBytes(folder.file("alpha.log"));
    std::smatch numbers;
    const std::regex alphaForm(kHeader + kTime + R"((\d+)\]\tfirst\n)" + kTime + R"((\d+)\]\tтретья\n)");
    ASSERT_TRUE(std::regex_match(alpha, numbers, alphaForm)) << alpha;
    const std::regex betaForm(kHeader + kTime + R"((\d+)\]\tsecond 2\n)");
    std::smatch betaNumber;
    const std::string beta = readFileBytes(folder.file("beta.log"));
    ASSERT_TRUE(std::regex_match(beta, betaNumber, betaForm)) << beta;
    // One running counter across all logs.
    EXPECT_EQ(std::stoul(betaNumber[1]), std::stoul(numbers[1]) + 1);
    EXPECT_EQ(std::stoul(numbers[2]), std::stoul(numbers[1]) + 2);
    getLog("long", true)->printf("%s", std::string(5000, 'y').c_str());
    EXPECT_NE(readFileBytes(folder.file("long.log")).find(std::string(5000, 'y') + "\n"), std::string::npos)
        << "long messages are not cut";
}

TEST(Log, UnopenableFileIsAnError)
{
    cTempFolder folder(true);
    EXPECT_EQ(thrownText([] { getLog("missing-folder/x", true); }), "Unable to open [missing-folder/x.log] log file.\n");
}

TEST(FatalReport, WritesTheWholeStackAndNeverThrows)
{
    cTempFolder folder(true);
    testing::internal::CaptureStderr();
    reportFatalError("boom\nsig\nMain");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("boom\nsig\nMain"), std::string::npos);
    const std::string log = readFileBytes(folder.file("error.log"));
    EXPECT_NE(log.find("]\tboom\nsig\nMain\n"), std::string::npos) << log;
}

// Each object's save fails while the "error" log cannot be written either (a folder has its
// name): its destructor passes the failure over and the program goes on.
TEST(DestructorLogging, UnwritableLogNeverEndsTheProgram)
{
    const std::pair<const char*, std::function<void(cEngineCore&)>> cases[] = {
        {"sys/settings.xml", [](cEngineCore& _core) { _core.dropSettings(); }},
        {"00000001.xml", [](cEngineCore&) { cProfile anna(u"Anna"); }},
        {"save.dat", [](cEngineCore&) { std::unique_ptr<iFile>(cFileManager::getInstance()->create("save.dat"))->write("x", 1); }},
    };
    for (const auto& [blocked, run] : cases) {
        cTestData data;
        cEngineCore core(data);
        data.write(data.common(std::string(blocked) + "/keep"), "x");
        std::filesystem::create_directory("error.log");
        run(core);
        EXPECT_TRUE(std::filesystem::is_directory("error.log")) << blocked;
    }
    clearProperties();
}

} // namespace
