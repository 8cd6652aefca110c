#include "platform/system/StopSignal.h"
#include "platform/headless/HeadlessWindow.h"

#include <gtest/gtest.h>

#include <csignal>

namespace {

class StopSignal : public ::testing::TestWithParam<int> {};

// A stop from the session or a terminal reaches the game as the window's close request, once.
TEST_P(StopSignal, BecomesOneCloseRequest)
{
    platform::watchStopSignals();
    cHeadlessWindow window;
    sWindowEvent event;
    event.m_type = WE_CHAR;
    window.pushEvent(event);
    ASSERT_EQ(std::raise(GetParam()), 0);
    ASSERT_TRUE(window.pollEvent(event));
    EXPECT_EQ(event.m_type, WE_CHAR) << "what waited comes first";
    ASSERT_TRUE(window.pollEvent(event));
    EXPECT_EQ(event.m_type, WE_CLOSE);
    EXPECT_FALSE(window.pollEvent(event));
    EXPECT_FALSE(platform::takeStopSignal());
}

INSTANTIATE_TEST_SUITE_P(Signals, StopSignal, ::testing::Values(SIGTERM, SIGINT));

} // namespace
