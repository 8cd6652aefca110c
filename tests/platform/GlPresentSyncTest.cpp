#include "platform/sdl/GlRasterDevice.h"
#include "platform/sdl/HiddenGlWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

TEST(GlPresentSync, TheSwapIntervalFollowsTheRequest)
{
    std::unique_ptr<cHiddenGlWindow> window;
    std::unique_ptr<cGlRasterDevice> device;
    try {
        window = std::make_unique<cHiddenGlWindow>(16, 16);
        device = std::make_unique<cGlRasterDevice>(window->window());
    } catch (const String& _error) {
        if (std::getenv("CI"))
            FAIL() << "no GL context in CI: " << _error;
        GTEST_SKIP() << "no GL context: " << _error;
    }
    // Xvfb's software GL has no swap control at all; there is nothing to see then.
    if (SDL_GL_SetSwapInterval(0) != 0)
        GTEST_SKIP() << "the driver cannot change the swap interval: " << SDL_GetError();
    device->setPresentSync(true);
    EXPECT_EQ(SDL_GL_GetSwapInterval(), 1);
    device->setPresentSync(false);
    EXPECT_EQ(SDL_GL_GetSwapInterval(), 0);
}

} // namespace
