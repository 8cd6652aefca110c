#include "engine/Engine.h"
#include "engine/Entry.h"
#include "engine/FatalError.h"
#include "engine/FileManager.h"
#include "engine/Logic.h"
#include "engine/ResourceManager.h"
#include "engine/Settings.h"
#include "engine/StringManager.h"
#include "engine/Timer.h"
#include "engine/XML.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsFactory.h"
#include "graphics/NullGraphics.h"
#include "input/Input.h"
#include "platform/FileSystem.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/EngineCore.h"
#include "support/EngineHarness.h"
#include "support/ImageFixtures.h"
#include "support/TempFolder.h"
#include "support/TestData.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

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

struct sIconCase {
    const char* what;
    std::optional<std::string> file; // "Icon.png" in the data folder, or none
    UInt expectedWidth;
};

TEST(WindowIcon, TheWindowShowsTheDataFoldersIconWhenThereIsAGoodOne)
{
    const sImage picture = makeImage(32, 16, [](UInt _x, UInt _y) { return 0xFF000000u | (_x << 16) | _y; });
    const sIconCase cases[] = {
        {"a good icon", makePng(picture), 32},
        {"no icon", std::nullopt, 0},
        {"a damaged icon", std::string("\x89PNG\r\n\x1a\n broken"), 0},
    };
    graphics::setGraphicsMaker([](iWindow* _window) -> iGraphics* { return new cNullGraphics(_window); });
    for (const sIconCase& c : cases) {
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

} // namespace
