#include "EnvironmentVariable.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

std::vector<sWindowEvent> drain(iWindow& _window)
{
    std::vector<sWindowEvent> events;
    sWindowEvent event;
    while (_window.pollEvent(event))
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

TEST(PlatformChoice, HeadlessIsChosenByName)
{
    cEnvironmentVariable choice("FURROW_PLATFORM", "headless");
    const std::unique_ptr<iPlatform> backend = platform::createPlatform();
    EXPECT_STREQ(backend->getName(), "headless");
    EXPECT_EQ(iPlatform::getInstance(), backend.get());
}

TEST(PlatformChoice, SdlIsTheDefaultAndAnUnknownNameFailsWithTheName)
{
    cEnvironmentVariable empty("FURROW_PLATFORM", std::string());
    EXPECT_STREQ(platform::createPlatform()->getName(), "sdl");
    cEnvironmentVariable unset("FURROW_PLATFORM", std::nullopt);
    EXPECT_STREQ(platform::createPlatform()->getName(), "sdl");
    EXPECT_EQ(thrownText([] { platform::createPlatform("vulcan"); }), "Unknown platform: vulcan");
}

} // namespace
