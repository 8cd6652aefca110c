#include "platform/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

sWindowEvent makeEvent(eWindowEvent _type)
{
    sWindowEvent event;
    event.m_type = _type;
    return event;
}

std::vector<sWindowEvent> drain(iWindow& _window)
{
    std::vector<sWindowEvent> events;
    sWindowEvent event;
    while (_window.pollEvent(event))
        events.push_back(event);
    return events;
}

TEST(HeadlessEvents, InjectedEventsComeOutInOrder)
{
    cHeadlessPlatform platform;
    cHeadlessWindow& window = platform.getHeadlessWindow();
    window.pushEvent(makeEvent(WE_DEACTIVATE));
    window.pushCharacter(13);
    window.pushMouseMove(10, 20);
    window.pushEvent(makeEvent(WE_ACTIVATE));
    const std::vector<sWindowEvent> events = drain(platform.getWindow());
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].m_type, WE_DEACTIVATE);
    EXPECT_EQ(events[1].m_type, WE_CHAR);
    EXPECT_EQ(events[1].m_char, 13);
    EXPECT_EQ(events[2].m_type, WE_MOUSE_MOVE);
    EXPECT_EQ(events[2].m_x, 10);
    EXPECT_EQ(events[2].m_y, 20);
    EXPECT_EQ(events[3].m_type, WE_ACTIVATE);
}

TEST(HeadlessEvents, PollWithNothingWaitingReturnsAtOnce)
{
    cHeadlessPlatform platform;
    sWindowEvent event;
    EXPECT_FALSE(platform.getWindow().pollEvent(event));
}

TEST(HeadlessEvents, PostedQuitComesAfterWaitingEventsOnce)
{
    cHeadlessPlatform platform;
    cHeadlessWindow& window = platform.getHeadlessWindow();
    window.pushCharacter(u'a');
    window.postQuit(3);
    window.pushCharacter(u'b');
    const std::vector<sWindowEvent> events = drain(window);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[1].m_char, u'b');
    EXPECT_EQ(events[2].m_type, WE_QUIT);
    EXPECT_EQ(events[2].m_exitCode, 3);
}

TEST(HeadlessEvents, QuitCanBePostedWithoutWindow)
{
    cHeadlessPlatform platform;
    platform.getWindow().postQuit(0);
    sWindowEvent event;
    ASSERT_TRUE(platform.getWindow().pollEvent(event));
    EXPECT_EQ(event.m_type, WE_QUIT);
}

TEST(HeadlessEvents, MouseMovePlacesTheCursorOverTheClientArea)
{
    cHeadlessPlatform platform;
    cHeadlessWindow& window = platform.getHeadlessWindow();
    window.create("Farm", 800, 600);
    window.setClientPosition(100, 50);
    window.pushMouseMove(5, 7);
    int x = 0, y = 0;
    ASSERT_TRUE(window.getCursorPosition(x, y));
    EXPECT_EQ(x - window.getWindowRect().left, 5);
    EXPECT_EQ(y - window.getWindowRect().top, 7);
}

TEST(HeadlessClock, TimeMovesOnlyWhenScripted)
{
    cHeadlessPlatform platform;
    cHeadlessSystem& system = platform.getHeadlessSystem();
    system.setTicks(1000);
    EXPECT_EQ(platform.getSystem().getTicks(), 1000u);
    EXPECT_EQ(platform.getSystem().getTicks(), 1000u);
    system.advance(16);
    EXPECT_EQ(platform.getSystem().getTicks(), 1016u);
}

TEST(HeadlessClock, SleepingAdvancesTheClockWithoutWaiting)
{
    cHeadlessPlatform platform;
    platform.getSystem().sleep(50);
    platform.getSystem().sleep(50);
    EXPECT_EQ(platform.getSystem().getTicks(), 100u);
    EXPECT_EQ(platform.getHeadlessSystem().getSleptMilliseconds(), 100u);
}

TEST(HeadlessClock, TicksWrapLikeA32BitCounter)
{
    cHeadlessPlatform platform;
    platform.getHeadlessSystem().setTicks(0xFFFFFFF0u);
    const UInt before = platform.getSystem().getTicks();
    platform.getHeadlessSystem().advance(0x20);
    EXPECT_EQ(platform.getSystem().getTicks() - before, 0x20u);
}

TEST(HeadlessClock, LocalTimeIsScripted)
{
    cHeadlessPlatform platform;
    platform::sLocalTime time;
    time.year = 2030;
    time.month = 2;
    time.day = 28;
    time.hour = 23;
    platform.getHeadlessSystem().setLocalTime(time);
    const platform::sLocalTime read = platform.getSystem().getLocalTime();
    EXPECT_EQ(read.year, 2030);
    EXPECT_EQ(read.month, 2);
    EXPECT_EQ(read.hour, 23);
}

TEST(HeadlessWindow, CreatedWindowHasTheAskedClientArea)
{
    cHeadlessPlatform platform;
    iWindow& window = platform.getWindow();
    window.create("Farm", 800, 600);
    EXPECT_TRUE(window.isCreated());
    EXPECT_EQ(window.getWindowRect().width(), 800);
    EXPECT_EQ(window.getWindowRect().height(), 600);
    EXPECT_FALSE(platform.getHeadlessWindow().isShown());
    window.show();
    EXPECT_TRUE(platform.getHeadlessWindow().isShown());
    window.destroy();
    EXPECT_FALSE(window.isCreated());
}

TEST(HeadlessWindow, FailedCreationThrowsTheSystemText)
{
    cHeadlessPlatform platform;
    platform.getHeadlessWindow().failNextCreate("No display.");
    try {
        platform.getWindow().create("Farm", 800, 600);
        FAIL() << "no failure";
    } catch (const String& _error) {
        EXPECT_EQ(_error, "No display.");
    }
    EXPECT_FALSE(platform.getWindow().isCreated());
}

TEST(HeadlessWindow, FullScreenCoversTheDesktop)
{
    cHeadlessPlatform platform;
    iWindow& window = platform.getWindow();
    window.create("Farm", 800, 600);
    window.setFullscreen(true);
    EXPECT_EQ(window.getWindowRect().width(), window.getDesktopRect().width());
    window.setFullscreen(false);
    EXPECT_EQ(window.getWindowRect().width(), 800);
}

TEST(FatalMessage, GoesToTheRunningBackend)
{
    cHeadlessPlatform platform;
    platform::showFatalMessage("Error", "it broke\nMain");
    EXPECT_EQ(platform.getHeadlessSystem().getFatalTitle(), "Error");
    EXPECT_EQ(platform.getHeadlessSystem().getFatalText(), "it broke\nMain");
}

TEST(FatalMessage, WithoutBackendNothingHappens)
{
    ASSERT_FALSE(iPlatform::exists());
    platform::showFatalMessage("Error", "early failure");
}

} // namespace
