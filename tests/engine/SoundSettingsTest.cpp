#include "engine/ResourceManager.h"
#include "engine/Sound.h"
#include "engine/SoundManager.h"
#include "platform/headless/HeadlessSoundLibrary.h"
#include "support/EngineCore.h"

#include <gtest/gtest.h>

// The sound manager among the engine's other managers: volumes kept in the settings'
// "Sound" section across runs, sounds handed out by the resource cache.
namespace {

struct sVolumes {
    UInt music;
    UInt sound;
};

sVolumes storedVolumes(cEngineCore& _core)
{
    sVolumes volumes{12345, 12345};
    _core.settings().getPropertyT("Sound", "Music", volumes.music);
    _core.settings().getPropertyT("Sound", "Sound", volumes.sound);
    return volumes;
}

TEST(SoundSettings, VolumesAreReadAppliedAndWrittenBack)
{
    cTestData data("<game app_directory=\"Test\" /><Sound Music=\"25\" Sound=\"50\" />");
    cEngineCore core(data);
    cHeadlessSoundLibrary library;
    {
        cSoundManager manager(library);
        EXPECT_EQ(manager.getMusicVolume(), 25u);
        EXPECT_EQ(library.getGroupVolume(SG_MUSIC), 50);
        EXPECT_EQ(library.getGroupVolume(SG_EFFECTS), 70);
        manager.setMusicVolume(80);
    }
    EXPECT_EQ(storedVolumes(core).music, 80u);
    EXPECT_EQ(storedVolumes(core).sound, 50u);
}

TEST(SoundSettings, VolumesAboveTheScaleAreClampedAndSavedClamped)
{
    cTestData data("<game app_directory=\"Test\" /><Sound Music=\"4000\" Sound=\"101\" />");
    cEngineCore core(data);
    cHeadlessSoundLibrary library;
    {
        cSoundManager manager(library);
        EXPECT_EQ(manager.getSoundVolume(), 100u);
        EXPECT_EQ(library.getGroupVolume(SG_MUSIC), 100);
    }
    EXPECT_EQ(storedVolumes(core).music, 100u);
}

TEST(SoundSettings, WithoutADeviceTheSectionStaysAsRead)
{
    cTestData data("<game app_directory=\"Test\" /><Sound Music=\"4000\" Sound=\"7\" />");
    cEngineCore core(data);
    cHeadlessSoundLibrary library;
    library.setDeviceMissing(true);
    {
        cSoundManager manager(library);
        manager.setMusicVolume(10);
    }
    EXPECT_EQ(storedVolumes(core).music, 4000u);
    EXPECT_EQ(storedVolumes(core).sound, 7u);
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
