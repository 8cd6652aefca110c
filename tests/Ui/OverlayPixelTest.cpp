#include "ButtonHarness.h"

#include "Ui/OverlayButton.h"
#include "Ui/UI.h"
#include "engine/Logic.h"
#include "graphics/GraphicsHarness.h"
#include "platform/sdl/GlRasterDevice.h"
#include "platform/sdl/HiddenGlWindow.h"

#include <cstdlib>

namespace {

// The real renderer drawing through GL into a hidden window; in CI, no GL is a failure.
TEST(OverlayPixels, AHoveredOverlayButtonLightsOnlyItsOpaquePixels)
{
    cGraphicsHarness harness("back_color=\"0xFF202020\"", {{"ui/shape.png", halfShapePng()}});
    harness.destroyGraphics();
    std::unique_ptr<cHiddenGlWindow> window;
    std::unique_ptr<cGraphics> graphics;
    try {
        window = std::make_unique<cHiddenGlWindow>(800, 600);
        graphics = std::make_unique<cGraphics>(std::make_unique<cGlRasterDevice>(window->window()), harness.window(),
                                               harness.system());
    } catch (const String& _error) {
        if (std::getenv("CI"))
            FAIL() << "no GL context in CI: " << _error;
        GTEST_SKIP() << "no GL context: " << _error;
    }
    cUI ui;
    {
        // Covers 100..108 by 100..108: grey on the left, clear on the right.
        const std::string bytes =
            makeXml16("<b Visible=\"1\" position=\"104,104\" size=\"8,8\" Picture=\"ui/shape.png\" />");
        cXML xml("button.xml", bytes.data(), ULong(bytes.size()));
        cOverlayButton button(nullptr);
        button.loadXML(&xml);
        button.hovered();
        graphics->beginRender();
        cUI::drawControls(&cLogic::draw);
        graphics->endRender();
    }
    // The light multiplies the grey by its colour plus its alpha (0.74 + 0.74 red and green,
    // 1 + 0.74 blue).
    const struct {
        UInt x, y, colour;
    } probes[] = {{101, 104, 0xFF5F5F6F}, {106, 104, 0xFF202020}, {110, 104, 0xFF202020}};
    for (const auto& p : probes) {
        const UInt actual = graphics->getDevice().readPixels({p.x, p.y, 1, 1})[0];
        for (int shift = 0; shift < 24; shift += 8)
            EXPECT_NEAR(int(actual >> shift & 0xFF), int(p.colour >> shift & 0xFF), 3)
                << "pixel " << p.x << "," << p.y << " is " << std::hex << actual;
    }
}

} // namespace
