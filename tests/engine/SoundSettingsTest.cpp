#include "engine/ResourceManager.h"
#include "engine/Sound.h"
#include "engine/SoundManager.h"
#include "platform/headless/HeadlessSoundLibrary.h"
#include "support/EngineCore.h"

#include <gtest/gtest.h>

// The sound manager among the engine's other managers: volumes kept in the settings'
// "Sound" section across runs, sounds handed out by the resource cache.
namespace {

TEST(SoundSettings, VolumesAreReadClampedAppliedAndWrittenBack)
{
    const struct {
        const char* what;
        const char* section;
        bool deviceMissing;
        UInt musicRead;
        Int musicGroup, effectsGroup;
        UInt musicSaved, soundSaved;
    } cases[] = {{"in range", "Music=\"25\" Sound=\"50\"", false, 25, 50, 70, 80, 50},
        {"above the scale", "Music=\"4000\" Sound=\"101\"", false, 100, 100, 100, 80, 100},
        {"no device: kept as read", "Music=\"4000\" Sound=\"7\"", true, 0, 0, 0, 4000, 7}};
    for (const auto& c : cases) {
        cTestData data(std::string("<game app_directory=\"Test\" /><Sound ") + c.section + " />");
        cEngineCore core(data);
        cHeadlessSoundLibrary library;
        library.setDeviceMissing(c.deviceMissing);
        {
            cSoundManager manager(library);
            if (!c.deviceMissing) {
                EXPECT_EQ(manager.getMusicVolume(), c.musicRead) << c.what;
                EXPECT_EQ(library.getGroupVolume(SG_MUSIC), c.musicGroup) << c.what;
                EXPECT_EQ(library.getGroupVolume(SG_EFFECTS), c.effectsGroup) << c.what;
            }
            manager.setMusicVolume(80);
        }
        UInt music = 12345, sound = 12345;
        core.settings().getPropertyT("Sound", "Music", music);
        core.settings().getPropertyT("Sound", "Sound", sound);
        EXPECT_EQ(music, c.musicSaved) << c.what;
        EXPECT_EQ(sound, c.soundSaved) << c.what;
    }
}

TEST(SoundSettings, ResourceCacheMakesSounds)
{
    cTestData data;
    data.write(data.data("sounds/click.wav"), "click");
    cEngineCore core(data);
    cHeadlessSoundLibrary library;
    cSoundManager manager(library);
    iResource* sound = cResourceManager::getInstance()->getSound("Sounds/Click.wav");
    ASSERT_NE(dynamic_cast<cSound*>(sound), nullptr);
    EXPECT_GT(static_cast<cSound*>(sound)->getSampleId(), 0);
    EXPECT_EQ(cResourceManager::getInstance()->getSound("sounds/click.wav"), sound);
}

} // namespace
