#include "Ui/MultilineText.h"
#include "Ui/Tips.h"
#include "Ui/UI.h"
#include "Ui/YesNo.h"
#include "engine/FileManager.h"
#include "engine/Logic.h"
#include "engine/ResourceManager.h"
#include "engine/Settings.h"
#include "engine/SoundManager.h"
#include "engine/StringManager.h"
#include "engine/Timer.h"
#include "engine/XML.h"
#include "graphics/GraphicsImpl.h"
#include "platform/headless/HeadlessSoundLibrary.h"
#include "platform/headless/HeadlessSystem.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/sdl/GlRasterDevice.h"
#include "platform/sdl/HiddenGlWindow.h"
#include "support/ImageFixtures.h"
#include "support/TempFolder.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>

namespace {

std::string demoData()
{
    const char* folder = std::getenv("FURROW_DATA");
    return folder ? folder : "Data";
}

// The demo's yes/no dialog and a tooltip of the demo's look (click sounds and translated
// labels included), drawn by the real renderer into
// a hidden GL window. With FURROW_SHOTS naming a folder, the frame is also saved there as
// "YesNo.png" to look at.
class YesNoPixels : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("FURROW_HOME", m_home.path().c_str(), 1);
        m_files = std::make_unique<cFileManager>(demoData(), "pack");
        m_resources = std::make_unique<cResourceManager>();
        m_settings = std::make_unique<cSettings>();
        m_strings = std::make_unique<cStringManager>();
        m_sound = std::make_unique<cSoundManager>(m_soundLibrary);
        try {
            m_window = std::make_unique<cHiddenGlWindow>(800, 600);
            m_graphics = std::make_unique<cGraphics>(std::make_unique<cGlRasterDevice>(m_window->window()),
                                                     m_headlessWindow, m_system);
        } catch (const String& _error) {
            if (std::getenv("CI"))
                FAIL() << "no GL context in CI: " << _error;
            GTEST_SKIP() << "no GL context: " << _error;
        }
    }
    void TearDown() override
    {
        cUI::shutAfterAll();
        m_ui.reset();
        m_graphics.reset();
        m_window.reset();
        m_sound.reset();
        m_strings.reset();
        m_settings.reset();
        m_resources.reset();
        m_files.reset();
        unsetenv("FURROW_HOME");
    }
    UInt pixel(Int _x, Int _y) { return m_graphics->getDevice().readPixels({UInt(_x), UInt(_y), 1, 1})[0]; }
    void frame(Float _seconds)
    {
        m_timer.getFrameTime() = _seconds;
        cUI::processViews();
        m_graphics->beginRender();
        cUI::drawControls(&cLogic::draw);
        m_graphics->endRender();
    }
    void saveShot(const char* _name)
    {
        const char* folder = std::getenv("FURROW_SHOTS");
        if (!folder)
            return;
        sImage image;
        image.width = 800;
        image.height = 600;
        image.pixels = m_graphics->getDevice().readPixels({0, 0, 800, 600});
        std::ofstream(std::string(folder) + "/" + _name, std::ios::binary) << makePng(image);
    }

    cTempFolder m_home{true};
    std::unique_ptr<cFileManager> m_files;
    std::unique_ptr<cResourceManager> m_resources;
    std::unique_ptr<cSettings> m_settings;
    std::unique_ptr<cStringManager> m_strings;
    cHeadlessSoundLibrary m_soundLibrary;
    std::unique_ptr<cSoundManager> m_sound;
    cHeadlessWindow m_headlessWindow;
    cHeadlessSystem m_system;
    std::unique_ptr<cHiddenGlWindow> m_window;
    std::unique_ptr<cGraphics> m_graphics;
    cTimer m_timer;
    std::unique_ptr<cUI> m_ui = std::make_unique<cUI>();
};

// Far apart on the ARGB cube: each channel within _tolerance.
bool near(UInt _a, UInt _b, Int _tolerance = 40)
{
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(Int(_a >> shift & 0xFF) - Int(_b >> shift & 0xFF)) > _tolerance)
            return false;
    return true;
}

TEST_F(YesNoPixels, TheDemoDialogShowsItsPanelButtonsAndQuestion)
{
    auto* dialog = new cYesNo(nullptr);
    dialog->getText()->setText(u"\u0412\u044B \u0443\u0432\u0435\u0440\u0435\u043D\u044B?", true);
    dialog->show();
    dialog->enable();

    const std::string tip =
        "<b Visible=\"1\" Enable=\"1\" Picture=\"Pictures/Ui/Button.png\" anim_columns=\"4\" frames_count=\"4\" "
        "frame_normal=\"0\" frame_hover=\"1\" frame_pressed=\"2\" frame_disabled=\"3\" position=\"110,570\" "
        "size=\"160,48\" deep=\"50\">"
        "<Text Visible=\"1\" Enable=\"1\" String=\"Farm\" Localized=\"0\" Font=\"fonts/main.fnt\" Texture=\"fonts/main.png\" Align=\"0\" "
        "Color=\"0xFFFFFFF4\" Offset=\"2\" Speed=\"24\" />"
        "<Tip Offset=\"130,90\" WaitTime=\"0.5\">"
        "<Image position=\"0,0\" size=\"240,120\" deep=\"60\" />"
        "<UpLeftImage Picture=\"Pictures/Ui/Tooltip/BottomRight.png\" />"
        "<UpRightImage Picture=\"Pictures/Ui/Tooltip/BottomLeft.png\" />"
        "<DownLeftImage Picture=\"Pictures/Ui/Tooltip/TopRight.png\" />"
        "<DownRightImage Picture=\"Pictures/Ui/Tooltip/TopLeft.png\" />"
        "<Texts><t String=\"Your fields and barn\" Localized=\"0\" Font=\"fonts/main.fnt\" "
        "Texture=\"fonts/main.png\" Align=\"0\" Color=\"0xFF553419\" position=\"0,-4\" deep=\"61\" /></Texts>"
        "</Tip></b>";
    const std::string bytes = makeXml16(tip);
    cXML document("tip.xml", bytes.data(), ULong(bytes.size()));
    auto* button = new cTips<cTextButtonT<cAnimButton>>(nullptr);
    button->loadXML(&document);
    button->hovered();
    for (int i = 0; i < 4; ++i)
        frame(0.25f);
    saveShot("YesNo.png");

    EXPECT_TRUE(near(pixel(240, 300), 0xFFF6E8C0)) << std::hex << pixel(240, 300) << " the cream page";
    EXPECT_TRUE(near(pixel(400, 200), 0xFFC08850)) << std::hex << pixel(400, 200) << " the wooden header";
    EXPECT_TRUE(near(pixel(240, 352), 0xFF78B038, 60)) << std::hex << pixel(240, 352) << " the green yes";
    EXPECT_TRUE(near(pixel(560, 352), 0xFFD05030, 60)) << std::hex << pixel(560, 352) << " the red no";
    EXPECT_TRUE(near(pixel(150, 450), 0xFFFBF1D6)) << std::hex << pixel(150, 450) << " the tooltip's paper";
    delete button;
    delete dialog;
}

} // namespace
