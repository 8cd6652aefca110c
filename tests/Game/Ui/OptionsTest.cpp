#include "Game/Ui/Options.h"
#include "Ui/CheckButton.h"
#include "Ui/ScrollBox.h"
#include "Ui/UI.h"
#include "engine/SoundManager.h"
#include "graphics/NullGraphics.h"
#include "platform/headless/HeadlessSoundLibrary.h"
#include "support/EngineCore.h"
#include "support/EngineHarness.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// Sliders that run from 0 to 200, as data may have them; no pictures, so no renderer is needed.
const std::string OPTIONS_XML = "<Options Visible=\"1\" Enable=\"1\">"
                                "<SoundVolume Visible=\"1\" Enable=\"1\" Min=\"0\" Max=\"200\" size=\"200 20\"/>"
                                "<MusicVolume Visible=\"1\" Enable=\"1\" Min=\"0\" Max=\"200\" size=\"200 20\"/>"
                                "<FullScreen Visible=\"1\" Enable=\"1\"/></Options>";

class OptionsTest : public ::testing::Test {
protected:
    OptionsTest()
        : m_engine(std::string(cEngineHarness::DEFAULT_SETTINGS) + "<Sound Music=\"40\" Sound=\"70\"/>",
              {{"UI/Options.xml", makeXml16(OPTIONS_XML)}}, cEngineHarness::eRenderer::null),
          m_options(std::make_unique<cOptions>())
    {
    }
    void slide(cScrollBox* _box, Float _value) { _box->getOnChange()(_box, _value); }
    void toggle(Bool _checked) { m_options->getFullScreen()->getOnCheck()(m_options->getFullScreen(), _checked); }

    cEngineHarness m_engine;
    std::unique_ptr<cOptions> m_options;
};

TEST_F(OptionsTest, SlidersShowTheVolumesAndSetThemWholeAndWithinTheScale)
{
    EXPECT_EQ(m_options->getMusicVolume()->getValue(), 40.0f);
    EXPECT_EQ(m_options->getSoundVolume()->getValue(), 70.0f);
    const struct {
        Float slider;
        UInt volume;
    } cases[] = {{57.8f, 57}, {150.0f, 100}, {-3.5f, 0}, {0.9f, 0}, {std::nanf(""), 0}, {100.0f, 100}};
    cSoundManager& sound = *cSoundManager::getInstance();
    for (const auto& c : cases) {
        slide(m_options->getMusicVolume(), c.slider);
        slide(m_options->getSoundVolume(), c.slider);
        EXPECT_EQ(sound.getMusicVolume(), c.volume) << c.slider;
        EXPECT_EQ(sound.getSoundVolume(), c.volume) << c.slider;
    }
}

TEST_F(OptionsTest, FullScreenTwiceRestoresTheSettingAndResetsTwice)
{
    Bool fullScreen = true;
    for (Bool checked : {true, false}) {
        toggle(checked);
        cSettings::getInstance()->getPropertyT("graphics", "fullscreen", fullScreen);
        EXPECT_EQ(fullScreen, checked);
        m_engine.frame();
    }
    EXPECT_EQ(m_engine.graphics().getResetCount(), 2u);
}

// Without a sound device the sliders are off but show what the settings hold.
TEST(OptionsWithoutSound, TheSlidersAreDisabledAndShowTheStoredVolumes)
{
    cTestData data("<game app_directory=\"Test\" /><Sound Music=\"40\" Sound=\"700\" />");
    data.writeData({{"UI/Options.xml", makeXml16(OPTIONS_XML)}});
    cEngineCore core(data);
    cHeadlessSoundLibrary library;
    library.setDeviceMissing(true);
    cSoundManager sound(library);
    cUI ui;
    cOptions options;
    EXPECT_FALSE(options.getMusicVolume()->isEnabled());
    EXPECT_FALSE(options.getSoundVolume()->isEnabled());
    EXPECT_EQ(options.getMusicVolume()->getValue(), 40.0f);
    EXPECT_EQ(options.getSoundVolume()->getValue(), 100.0f);
}

} // namespace
