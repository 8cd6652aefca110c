#include "EnvironmentVariable.h"
#include "platform/Platform.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

namespace {

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
