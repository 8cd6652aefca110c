#include "Ui/RecordingView.h"
#include "Ui/views/Scavenger.h"
#include "engine/Engine.h"
#include "engine/Entry.h"
#include "engine/logs/ErrorStack.h"
#include "engine/logs/FatalError.h"
#include "engine/files/File.h"
#include "engine/files/FileManager.h"
#include "engine/logs/LogManager.h"
#include "engine/frame/Logic.h"
#include "engine/progress/Profile.h"
#include "engine/frame/ReplayScript.h"
#include "engine/resources/ResourceManager.h"
#include "engine/settings/Settings.h"
#include "engine/Singleton.h"
#include "engine/frame/SleepingTask.h"
#include "engine/resources/SoundManager.h"
#include "engine/text/StringManager.h"
#include "engine/frame/Timer.h"
#include "engine/frame/WindowProc.h"
#include "engine/files/XML.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsFactory.h"
#include "graphics/NullGraphics.h"
#include "input/Input.h"
#include "platform/system/FileSystem.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/EngineCore.h"
#include "support/EngineHarness.h"
#include "support/ImageFixtures.h"
#include "support/TempFolder.h"
#include "support/TestData.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

int managers()
{
    return cEngine::exists() + cFileManager::exists() + cResourceManager::exists() + cSettings::exists() +
           iGraphics::exists() + cInput::exists() + cTimer::exists() + cLogic::exists() + cStringManager::exists();
}

std::string lastLine(const std::string& _path)
{
    std::ifstream file(_path);
    std::string line;
    std::string last;
    while (std::getline(file, line))
        if (!line.empty())
            last = line;
    return last;
}

TEST(Engine, BuildsEveryManagerAndTakesThemAllDown)
{
    auto harness = std::make_unique<cEngineHarness>();
    EXPECT_EQ(managers(), 9);
    harness.reset();
    EXPECT_EQ(managers(), 0);
}

TEST(Engine, OpensAShownWindowTitledFromTheSettingsAndClosingSavesThem)
{
    cEngineHarness harness("<game window_title=\"Test Farm\" app_directory=\"Test\" />");
    EXPECT_EQ(harness.window().getTitle(), "Test Farm");
    EXPECT_TRUE(harness.window().isShown());
    const sPixelRect client = harness.window().getWindowRect();
    EXPECT_EQ(client.width(), 800);
    EXPECT_EQ(client.height(), 600);
    cSettings::getInstance()->setPropertyT("graphics", "fullscreen", true);
    harness.shut();
    EXPECT_FALSE(harness.window().isCreated());
    EXPECT_TRUE(std::filesystem::exists(harness.data().common("sys/settings.xml")));
}

TEST(Engine, AFailedWindowLeavesNoManagerAndWritesNothing)
{
    cTestData data("<game window_title=\"T\" app_directory=\"Test\" />");
    cHeadlessPlatform platform;
    platform.getHeadlessWindow().failNextCreate("No display here.");
    EXPECT_EQ(thrownText([&] { cEngine engine(data.root().c_str(), nullptr); }), "No display here.\nvoid cEngine::creteWindow()\ncEngine::cEngine(void *hInstance, void *hwnd)");
    EXPECT_EQ(managers(), 0);
    EXPECT_FALSE(std::filesystem::exists(data.common("sys/settings.xml")));
}

TEST(Engine, ASecondEngineIsRefused)
{
    cEngineHarness harness;
    cEngine* first = cEngine::getInstance();
    EXPECT_ANY_THROW(cEngine(harness.data().root().c_str(), nullptr));
    EXPECT_EQ(cEngine::getInstance(), first);
    EXPECT_TRUE(cSettings::exists());
}

TEST(Engine, TheFrameLimitPostsTheQuitAndTheTimerRunsOnThePlatformClock)
{
    cEngineHarness harness;
    harness.engine().setFrameLimit(7);
    harness.engine().process();
    EXPECT_EQ(harness.engine().getFrameCount(), 7u);
    EXPECT_EQ(harness.graphics().getFrameCount(), 7u);
    harness.frames(30, 40);
    EXPECT_FLOAT_EQ(cTimer::getInstance()->getFrameTime(), 0.04f);
}

TEST(Entry, ABrokenSettingsFileEndsInTheFatalReport)
{
    cTestData data;
    data.write(data.data("sys/settings.xml"), "<main><game");
    cHeadlessPlatform platform;
    platform.getHeadlessWindow().pushCharacter(u'x');
    setFatalMessageHandler(platform::showFatalMessage);
    EXPECT_EQ(runEntry(data.root().c_str(), sRunOptions()), 1);
    setFatalMessageHandler(nullptr);
    EXPECT_EQ(lastLine("error.log"), "Main");
    EXPECT_EQ(platform.getHeadlessSystem().getFatalTitle(), "Error");
    EXPECT_EQ(managers(), 0);
    // What was still queued was taken without a frame, down to the quit.
    sWindowEvent event;
    EXPECT_FALSE(platform.getWindow().pollEvent(event));
}

TEST(Entry, TheTeardownRunsBeforeTheEngineGoes)
{
    cTestData data;
    cHeadlessPlatform platform;
    static bool s_engineThere = false;
    sRunOptions options;
    options.frameLimit = 1;
    options.teardown = [] { s_engineThere = cEngine::exists(); };
    EXPECT_EQ(runEntry(data.root().c_str(), options), 0);
    EXPECT_TRUE(s_engineThere);
    EXPECT_EQ(managers(), 0);
}

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

void failingTask(cSleepingTask::tArgument)
{
    throw "Broken frame.";
}

TEST(Engine, AFailureInAFrameCarriesEveryLineOut)
{
    cEngineHarness harness;
    harness.logic().addSleepingTask(new cSleepingTask(0, &failingTask, 0));
    EXPECT_EQ(thrownText([&] { harness.engine().process(); }), "Broken frame.\nvoid cLogic::process()\nvoid cEngine::process()");
}

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

TEST(WindowIcon, TheWindowShowsTheDataFoldersIconWhenThereIsAGoodOne)
{
    const sImage picture = makeImage(32, 16, [](UInt _x, UInt _y) { return 0xFF000000u | (_x << 16) | _y; });
    const struct {
        const char* what;
        std::optional<std::string> file; // "Icon.png" in the data folder, or none
        UInt expectedWidth;
    } cases[] = {
        {"a good icon", makePng(picture), 32},
        {"no icon", std::nullopt, 0},
        {"a damaged icon", std::string("\x89PNG\r\n\x1a\n broken"), 0},
    };
    graphics::setGraphicsMaker([](iWindow* _window) -> iGraphics* { return new cNullGraphics(_window); });
    for (const auto& c : cases) {
        cTestData data("<game window_title=\"T\" app_directory=\"Test\" />");
        if (c.file)
            data.write(data.data("Icon.png"), *c.file);
        cHeadlessPlatform platform;
        cEngine engine(data.root().c_str(), nullptr);
        const sImage& icon = platform.getHeadlessWindow().getIcon();
        EXPECT_EQ(icon.width, c.expectedWidth) << c.what;
        if (c.expectedWidth) {
            EXPECT_EQ(icon.pixels, picture.pixels) << c.what;
        }
        EXPECT_TRUE(platform.getHeadlessWindow().isShown()) << c.what;
    }
    graphics::setGraphicsMaker(nullptr);
}

TEST(DemoData, OnePackageUtf16SettingsAndStringsThatLoadAndAChangeReachesTheCommonFolder)
{
    const char* shipped = std::getenv("FURROW_DATA");
    ASSERT_NE(shipped, nullptr);
    const std::string bytes = readFileBytes(std::string(shipped) + "/sys/settings.xml");
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFE<\0", 4)) << "UTF-16 with a byte order mark";
    int packages = 0;
    for (const platform::sFolderEntry& entry : platform::listFolder(shipped))
        packages += cFileManager::getFileExt(entry.name) == "pack";
    EXPECT_EQ(packages, 1);

    cTempFolder home(true);
    setenv("FURROW_HOME", home.path().c_str(), 1);
    String folder;
    {
        cFileManager files(shipped, "pack");
        cResourceManager resources;
        cXML settings("sys/settings.xml");
        for (const char* section : {"game", "graphics", "Time", "Sound"})
            EXPECT_EQ(settings.getNodeCount(section), 1u) << section;
        EXPECT_GT(cXML("sys/strings.xml").getChildCount(), 0u);
        cSettings player;
        ASSERT_TRUE(player.getPropertyT("game", "app_directory", folder));
        EXPECT_FALSE(folder.empty());
        player.setPropertyT("Sound", "Music", UInt(42));
    }
    const std::string saved = readFileBytes(home.file(folder + "/sys/settings.xml"));
    unsetenv("FURROW_HOME");
    EXPECT_NE(saved.find(utf16Bytes("Music=\"42\"", false)), std::string::npos);
}

TEST(WindowActivation, ReachesInputFrameDriverAndSound)
{
    const struct {
        const char* name;
        eWindowEvent event;
        bool startInactive, inactiveAfter;
    } cases[] = {{"focus lost", WE_DEACTIVATE, false, true}, {"app to background", WE_APP_DEACTIVATE, false, true},
        {"focus gained", WE_ACTIVATE, true, false}, {"app to foreground", WE_APP_ACTIVATE, true, false},
        {"minimise keeps inactive", WE_MINIMISE, true, true}, {"mouse move keeps inactive", WE_MOUSE_MOVE, true, true}};
    for (const auto& c : cases) {
        cEngineHarness harness;
        if (c.startInactive)
            harness.send(WE_DEACTIVATE);
        harness.send(c.event);
        EXPECT_EQ(harness.logic().isInactive(), c.inactiveAfter) << c.name;
        EXPECT_EQ(harness.platform().getHeadlessKeyboard().isAcquired(), !c.inactiveAfter) << c.name;
        EXPECT_EQ(harness.platform().getHeadlessMouse().isAcquired(), !c.inactiveAfter) << c.name;
        EXPECT_EQ(cSoundManager::getInstance()->isPaused(), c.inactiveAfter) << c.name << ": sound pauses with the game";
    }
}

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
class WindowProc : public LogicTest {};

TEST_F(WindowProc, MinimiseAndRestoreSetTheMinimisedFlagAndFocusOnAMinimisedWindowChangesNothing)
{
    m_harness.send(WE_DEACTIVATE);
    sWindowEvent event;
    event.m_type = WE_ACTIVATE;
    event.m_minimised = true;
    m_harness.send(event);
    EXPECT_TRUE(m_harness.logic().isInactive());
    EXPECT_FALSE(m_harness.platform().getHeadlessKeyboard().isAcquired());
    m_harness.send(WE_MINIMISE);
    EXPECT_TRUE(m_harness.logic().isMinimized());
    m_harness.send(WE_RESTORE);
    EXPECT_FALSE(m_harness.logic().isMinimized());
    m_harness.send(WE_MINIMISE);
    m_harness.send(WE_MAXIMISE);
    EXPECT_FALSE(m_harness.logic().isMinimized());
}

TEST_F(WindowProc, CloseEndsTheMessageLoop)
{
    // Should the close be lost, the limit still ends the loop and the count tells.
    m_harness.engine().setFrameLimit(50);
    m_harness.window().pushEvent(sWindowEvent{}); // WE_CLOSE
    m_harness.engine().process();
    EXPECT_EQ(m_harness.engine().getFrameCount(), 0u);
}

std::vector<char16_t> s_typed;

void recordChar(char16_t _char, cView*)
{
    s_typed.push_back(_char);
}

TEST_F(WindowProc, TypedControlCharactersReachTheCharacterHandlers)
{
    s_typed.clear();
    cInput::getInstance()->bindKeyboard(&recordChar, nullptr);
    m_harness.window().pushCharacter(8);
    m_harness.window().pushCharacter(u'a');
    m_harness.window().postQuit(0);
    m_harness.engine().process();
    m_harness.frame();
    EXPECT_EQ(s_typed, (std::vector<char16_t>{8, u'a'}));
}

TEST_F(WindowProc, MouseMoveShowsTheSystemCursorOnlyWhenTheSettingsAskForIt)
{
    m_harness.send(WE_MOUSE_MOVE);
    EXPECT_FALSE(m_harness.window().isCursorShown());
    cSettings::getInstance()->setPropertyT("graphics", "ShowSysCursor", true);
    m_harness.send(WE_MOUSE_MOVE);
    EXPECT_TRUE(m_harness.window().isCursorShown());
}

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

TEST_F(LogicTest, EnterReleasedWhileAltIsHeldTogglesFullScreenOnce)
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

int s_callbacks = 0;

TEST_F(LogicTest, InactiveFramesSleepAndDrawButRunNoViewTaskOrFrameCallback)
{
    view("a");
    s_calls.clear();
    m_harness.logic().setProcessCallback([] { ++s_callbacks; });
    m_harness.send(WE_DEACTIVATE);
    m_harness.logic().addSleepingTask(new cSleepingTask(0, &recordCall, 1));
    const UInt slept = m_harness.platform().getHeadlessSystem().getSleptMilliseconds();
    const UInt drawn = m_harness.graphics().getFrameCount();
    m_harness.frames(3);
    EXPECT_EQ(m_harness.platform().getHeadlessSystem().getSleptMilliseconds() - slept, 150u);
    EXPECT_EQ(m_harness.graphics().getFrameCount(), drawn + 3);
    EXPECT_EQ(count("a process"), 0);
    EXPECT_TRUE(s_calls.empty());
    EXPECT_EQ(s_callbacks, 0);
    m_harness.send(WE_ACTIVATE);
    m_harness.frame();
    EXPECT_EQ(s_calls.size(), 1u);
    EXPECT_EQ(s_callbacks, 1) << "once per active frame";
}

TEST_F(LogicTest, TheCursorIsReadRelativeToTheWindow)
{
    m_harness.window().setClientPosition(100, 50);
    m_harness.window().setCursorPosition(130, 70);
    m_harness.frame();
    EXPECT_EQ(m_harness.logic().getCursor(), Vector2(30, 20));
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

TEST(Screenshot, PrintScreenTakesOneAndAFailureIsLoggedAndTheGameGoesOn)
{
    cEngineHarness harness(cEngineHarness::DEFAULT_SETTINGS,
        [](iWindow* _window) -> iGraphics* { return new cUnwritableScreenshots(_window); });
    harness.key(KEY_SYSRQ, true);
    harness.key(KEY_SYSRQ, false);
    EXPECT_NO_THROW(harness.frames(4));
    EXPECT_EQ(harness.graphics().getScreenshotCount(), 1u);
    EXPECT_NE(readFileBytes("error.log").find("01-01-2601-00-00.dds"), std::string::npos);
}

// A scripted millisecond clock: each frame's duration is queued by the test.
struct sFakeClock {
    static inline UInt now = 0;
    static inline std::vector<UInt> sleeps;
    static UInt ticks() { return now; }
    static void sleep(UInt _ms)
    {
        sleeps.push_back(_ms);
        now += _ms;
    }
    static void nothing() {}
    static cTimer::sClock clock() { return {ticks, sleep, nothing, nothing}; }
};

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sFakeClock::now = 1000;
        sFakeClock::sleeps.clear();
        m_timer = std::make_unique<cTimer>(sFakeClock::clock());
    }
    void frame(UInt _ms)
    {
        sFakeClock::now += _ms;
        m_timer->process();
    }
    std::unique_ptr<cTimer> m_timer;
};

TEST_F(TimerTest, LongFrameIsClampedToMinFpsAndSpeedScalesTheStep)
{
    frame(500);
    EXPECT_FLOAT_EQ(m_timer->getFrameTime(), 1.0f / 15);
    EXPECT_FLOAT_EQ(m_timer->getRealFrameTime(), 1.0f / 15);
    EXPECT_FLOAT_EQ(m_timer->getTime(), 0.5f) << "the total time is neither clamped nor scaled";
    m_timer->setMinFps(0);
    frame(500);
    EXPECT_FLOAT_EQ(m_timer->getFrameTime(), 1.0f / 15) << "a MinFps of 0 is ignored";
    m_timer->setMinFps(4);
    frame(500);
    EXPECT_FLOAT_EQ(m_timer->getFrameTime(), 0.25f);
    m_timer->setMinFps(15);
    m_timer->setSpeed(2);
    frame(500);
    EXPECT_FLOAT_EQ(m_timer->getFrameTime(), 2.0f / 15) << "speed scales the step, not the real frame time";
    EXPECT_FLOAT_EQ(m_timer->getRealFrameTime(), 1.0f / 15);
    frame(20);
    EXPECT_FLOAT_EQ(m_timer->getFrameTime(), 0.04f);
}

TEST_F(TimerTest, AZeroFrameSleepsOnceOnly)
{
    frame(0);
    EXPECT_EQ(sFakeClock::sleeps, std::vector<UInt>{1});
    EXPECT_FLOAT_EQ(m_timer->getFrameTime(), 0.001f);
    frame(20);
    EXPECT_EQ(sFakeClock::sleeps.size(), 1u) << "a frame slower than MaxFps never sleeps";
}

TEST_F(TimerTest, AverageWindowFromTheTenthFrame)
{
    // Frames 1-9 fill the first window; the tenth frame closes it before adding its own time.
    Float sum = 0;
    for (UInt i = 1; i <= 9; ++i) {
        frame(10 + 5 * i);
        sum += (10 + 5 * i) * 0.001f;
        EXPECT_FLOAT_EQ(m_timer->getFrameTime(), (10 + 5 * i) * 0.001f) << "frame " << i << " uses its own time";
    }
    frame(200);
    const Float average = sum / 10;
    EXPECT_FLOAT_EQ(m_timer->getFrameTime(), average);
    EXPECT_FLOAT_EQ(m_timer->getFps(), 1 / average);
    for (int i = 0; i < 9; ++i) {
        frame(40);
        EXPECT_FLOAT_EQ(m_timer->getFrameTime(), average) << "changes only every tenth frame";
    }
    frame(40); // frame 20 closes the window of frames 10-19
    EXPECT_FLOAT_EQ(m_timer->getFrameTime(), (0.2f + 9 * 0.04f) / 10);
}

TEST_F(TimerTest, AFixedFrameTimeStandsForWhateverTheClockSays)
{
    m_timer->setFixedFrameTime(0.025f);
    const UInt clock[] = {3, 500, 40, 0, 7, 16, 1000, 2, 90, 33, 1, 60};
    for (UInt ms : clock)
        frame(ms);
    EXPECT_FLOAT_EQ(m_timer->getFrameTime(), 0.025f);
    EXPECT_FLOAT_EQ(m_timer->getFps(), 40);
    EXPECT_FLOAT_EQ(m_timer->getTime(), 12 * 0.025f);
    m_timer->setFixedFrameTime(0.5f);
    frame(3);
    EXPECT_FLOAT_EQ(m_timer->getRealFrameTime(), 1.0f / 15) << "clamped like a measured frame";
    m_timer->setFixedFrameTime(0);
    frame(40);
    EXPECT_FLOAT_EQ(m_timer->getRealFrameTime(), 0.04f) << "measured again from the last frame on";
}

TEST_F(TimerTest, CounterWrapIsHarmless)
{
    sFakeClock::now = 0xFFFFFFF0u;
    m_timer = nullptr;
    m_timer = std::make_unique<cTimer>(sFakeClock::clock());
    frame(0x20);
    EXPECT_FLOAT_EQ(m_timer->getRealFrameTime(), 0.032f);
}

} // namespace
