#include "platform/Platform.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/sdl/SdlPlatform.h"
#include "support/EnvironmentVariable.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

std::vector<sWindowEvent> drain(iWindow& _window)
{
    std::vector<sWindowEvent> events;
    sWindowEvent event;
    // Bounded: a poll that never ran dry would be a fault of its own.
    for (int i = 0; i < 10000 && _window.pollEvent(event); ++i)
        events.push_back(event);
    return events;
}

TEST(HeadlessEvents, InjectedEventsComeOutInOrderWithQuitLast)
{
    cHeadlessPlatform platform;
    cHeadlessWindow& window = platform.getHeadlessWindow();
    sWindowEvent deactivate;
    deactivate.m_type = WE_DEACTIVATE;
    window.pushEvent(deactivate);
    window.postQuit(3);
    window.pushCharacter(13);
    window.pushMouseMove(10, 20);
    const std::vector<sWindowEvent> events = drain(window);
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(std::make_tuple(WE_DEACTIVATE, 13, 10, WE_QUIT, 3), std::make_tuple(events[0].m_type,
        int(events[1].m_char), int(events[2].m_x), events[3].m_type, int(events[3].m_exitCode)));
    EXPECT_TRUE(drain(window).empty());
}

TEST(FatalMessage, GoesToTheRunningBackendAndIsHarmlessWithout)
{
    platform::showFatalMessage("Error", "before any backend");
    cHeadlessPlatform platform;
    platform::showFatalMessage("Error", "it broke\nMain");
    EXPECT_EQ(platform.getHeadlessSystem().getFatalTitle(), "Error");
    EXPECT_EQ(platform.getHeadlessSystem().getFatalText(), "it broke\nMain");
}

TEST(PlatformChoice, ByNameWithSdlTheDefaultAndAnUnknownNameFailingWithTheName)
{
    {
        cEnvironmentVariable choice("FURROW_PLATFORM", "headless");
        const std::unique_ptr<iPlatform> backend = platform::createPlatform();
        EXPECT_STREQ(backend->getName(), "headless");
        EXPECT_EQ(iPlatform::getInstance(), backend.get());
    }
    cEnvironmentVariable empty("FURROW_PLATFORM", std::string());
    EXPECT_STREQ(platform::createPlatform()->getName(), "sdl");
    cEnvironmentVariable unset("FURROW_PLATFORM", std::nullopt);
    EXPECT_STREQ(platform::createPlatform()->getName(), "sdl");
    EXPECT_EQ(thrownText([] { platform::createPlatform("vulcan"); }), "Unknown platform: vulcan");
}

// A real window needs a display: CI runs these under Xvfb and must have one; elsewhere a
// machine without a display skips them.
class SdlWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
            if (std::getenv("CI"))
                FAIL() << "CI has no display";
            GTEST_SKIP() << "no display";
        }
    }

    cSdlPlatform m_platform;
};

TEST_F(SdlWindow, ClientAreaIsTheAskedSizeAndAPostedQuitComesLast)
{
    iWindow& window = m_platform.getWindow();
    window.create("Farm", 800, 600);
    window.postQuit(0);
    window.show();
    const std::vector<sWindowEvent> events = drain(window);
    const sPixelRect rect = window.getWindowRect();
    EXPECT_EQ(std::make_pair(rect.width(), rect.height()), std::make_pair(800, 600));
    EXPECT_TRUE(window.isCreated() && m_platform.getSdlWindow().getSdlWindow());
    EXPECT_GE(window.getDesktopRect().width(), 800);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().m_type, WE_QUIT);
    EXPECT_EQ(std::count_if(events.begin(), events.end(), [](const sWindowEvent& _event) { return _event.m_type == WE_QUIT; }), 1);
}

TEST_F(SdlWindow, ListenersSeeRawEventsUntilRemoved)
{
    cSdlWindow& window = m_platform.getSdlWindow();
    int seen = 0;
    window.addEventListener(&seen, [&seen](const SDL_Event&) { ++seen; });
    window.create("Farm", 800, 600);
    window.show();
    drain(window);
    EXPECT_GT(seen, 0);
    window.removeEventListener(&seen);
    const int before = seen;
    window.destroy();
    window.create("Farm", 800, 600);
    window.show();
    drain(window);
    EXPECT_EQ(seen, before);
}

TEST(SdlWindowFailure, FailedCreationThrowsSdlsText)
{
    cEnvironmentVariable driver("SDL_VIDEODRIVER", "no-such-driver");
    cSdlPlatform platform;
    EXPECT_NE(thrownText([&] { platform.getWindow().create("Farm", 800, 600); }).find("no-such-driver"), String::npos);
    EXPECT_FALSE(platform.getWindow().isCreated());
}

TEST(SdlFatalMessage, NeverWaitsWhenCiIsSet)
{
    cEnvironmentVariable ci("CI", "true");
    cSdlPlatform platform;
    platform.getSystem().showFatalMessage("Error", "nobody is watching");
}

} // namespace
