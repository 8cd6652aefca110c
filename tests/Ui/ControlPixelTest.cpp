#include "ControlHarness.h"
#include "Ui/Picture.h"
#include "engine/Logic.h"
#include "platform/sdl/GlRasterDevice.h"
#include "platform/sdl/HiddenGlWindow.h"
#include "support/PixelProbes.h"

#include <cstdlib>

namespace {

// Controls drawn by the frame driver's draw pass through GL into a hidden window; in CI, no
// GL is a failure.
class ControlPixels : public cControlTest {
protected:
    ControlPixels() : cControlTest("back_color=\"0xFF202020\"") {}
    void SetUp() override
    {
        m_harness.destroyGraphics();
        try {
            m_window = std::make_unique<cHiddenGlWindow>(800, 600);
            m_graphics = std::make_unique<cGraphics>(std::make_unique<cGlRasterDevice>(m_window->window()),
                                                     m_harness.window(), m_harness.system());
        } catch (const String& _error) {
            if (std::getenv("CI"))
                FAIL() << "no GL context in CI: " << _error;
            GTEST_SKIP() << "no GL context: " << _error;
        }
    }
    ~ControlPixels() override
    {
        m_graphics.reset();
        m_window.reset();
    }
    void expectPixels(std::initializer_list<std::array<UInt, 3>> _probes)
    {
        ::expectPixels([this](UInt _x, UInt _y) { return m_graphics->getDevice().readPixels({_x, _y, 1, 1})[0]; },
                       _probes, 3);
    }

    std::unique_ptr<cHiddenGlWindow> m_window;
    std::unique_ptr<cGraphics> m_graphics;
};

TEST_F(ControlPixels, AnAnimatedGridPictureAndALitMeshShowAtTheirPlaces)
{
    auto picture = std::make_unique<cPicture>(nullptr);
    picture->loadXML(element("Visible=\"1\" Picture=\"grid.png\" anim_columns=\"3\" anim_rows=\"3\" "
                             "frames_count=\"9\" anim_length=\"0.9\" position=\"100,100\" size=\"40,40\"")
                         .get());
    auto mesh = std::make_unique<cControl>(nullptr);
    mesh->loadXML(element("Visible=\"1\" Mesh=\"square.mesh\" position=\"300,100\" scale=\"20,20,1\" deep=\"1\" "
                          "LightingEnable=\"1\" EmissiveColor=\"0xFF00FF00\" AmbientColor=\"0xFF000000\"")
                      .get());
    for (Float clock : {0.45f, 0.75f}) {
        picture->setAnimTime(clock);
        m_graphics->beginRender();
        cUI::drawControls(&cLogic::draw);
        m_graphics->endRender();
        const UInt cell = gridCellColour(picture->getAnimFrame()), glow = 0xFF00FF00, back = 0xFF202020;
        expectPixels({{cell, 100, 100}, {cell, 83, 117}, {back, 78, 100}, {glow, 300, 100}, {glow, 282, 118},
                      {back, 300, 78}});
    }
}

} // namespace
