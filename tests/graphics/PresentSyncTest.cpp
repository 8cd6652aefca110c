#include "GraphicsHarness.h"
#include "engine/Settings.h"

#include <gtest/gtest.h>

namespace {

TEST(PresentSync, AWindowWaitsForTheDisplayAndFullScreenPresentsAtOnce)
{
    {
        cGraphicsHarness windowed("fullscreen=\"0\"");
        EXPECT_TRUE(windowed.device().presentSync());
    }

    cGraphicsHarness full("fullscreen=\"1\"");
    EXPECT_FALSE(full.device().presentSync());
    cSettings::getInstance()->setPropertyT("graphics", "fullscreen", false);
    full.graphics().setNeedReset(true);
    full.frame([](cGraphics&) {});
    EXPECT_TRUE(full.device().presentSync()) << "a switch back to the window syncs again";
}

} // namespace
