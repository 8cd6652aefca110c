#include "support/EngineHarness.h"

#include <gtest/gtest.h>

namespace {

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

TEST(FailedScreenshot, IsLoggedAndTheGameGoesOn)
{
    cEngineHarness harness(cEngineHarness::DEFAULT_SETTINGS,
        [](iWindow* _window) -> iGraphics* { return new cUnwritableScreenshots(_window); });
    const UInt printScreen = 0xB7;
    harness.key(printScreen, true);
    harness.key(printScreen, false);
    EXPECT_NO_THROW(harness.frame());
    EXPECT_EQ(harness.graphics().getScreenshotCount(), 1u);
    EXPECT_NO_THROW(harness.frames(3));
    EXPECT_NE(readFileBytes("error.log").find("01-01-2601-00-00.dds"), std::string::npos);
}

} // namespace
