#include "EnvironmentVariable.h"
#include "platform/sdl/SdlPlatform.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

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

    std::vector<sWindowEvent> drain()
    {
        std::vector<sWindowEvent> events;
        sWindowEvent event;
        // Bounded: a poll that never ran dry would be a fault of its own.
        for (int i = 0; i < 10000 && m_platform.getWindow().pollEvent(event); ++i)
            events.push_back(event);
        return events;
    }

    cSdlPlatform m_platform;
};

TEST_F(SdlWindow, ClientAreaIsTheAskedSizeAndAPostedQuitComesLast)
{
    iWindow& window = m_platform.getWindow();
    window.create("Farm", 800, 600);
    window.postQuit(0);
    window.show();
    const std::vector<sWindowEvent> events = drain();
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
    drain();
    EXPECT_GT(seen, 0);
    window.removeEventListener(&seen);
    const int before = seen;
    window.destroy();
    window.create("Farm", 800, 600);
    window.show();
    drain();
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
