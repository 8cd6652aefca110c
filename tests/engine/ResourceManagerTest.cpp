#include "engine/Channel.h"
#include "engine/File.h"
#include "engine/FileManager.h"
#include "engine/ResourceManager.h"
#include "engine/Sound.h"
#include "engine/SoundManager.h"
#include "engine/XML.h"
#include "platform/headless/HeadlessSoundLibrary.h"
#include "support/EngineCore.h"
#include "support/TestData.h"
#include "support/Thrown.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A resource of a made-up kind, counting how many are alive.
class cFake : public cResource {
public:
    explicit cFake(const String& _name, UInt _type) : cResource(_name), m_type(_type) { ++alive; }
    ~cFake() override { --alive; }
    UInt getType() const override { return m_type; }
    void preUpdate() override { ++resets; }
    static inline int alive = 0;
    static inline int resets = 0;

private:
    UInt m_type;
};

iResource* makeTexture(const String& _path)
{
    if (_path.find("missing") != String::npos)
        throw "File \"missing\" not found.";
    return new cFake(_path, RT_TEXTURE);
}

iResource* makeFont(const String& _path)
{
    return new cFake(_path, RT_FONT);
}

// "ui/ферма.xml": a data file whose path is not ASCII.
const std::string kFarm = "ui/\xD1\x84\xD0\xB5\xD1\x80\xD0\xBC\xD0\xB0.xml";

class ResourceCache : public ::testing::Test {
protected:
    void SetUp() override
    {
        cFake::alive = 0;
        cFake::resets = 0;
        cResourceManager::registerMaker(RT_TEXTURE, makeTexture);
        cResourceManager::registerMaker(RT_FONT, makeFont);
        writeXml16(m_data.data("UI/A.xml"), "<a x=\"1\" />");
        writeXml16(m_data.data(kFarm), "<farm />");
        m_core = std::make_unique<cEngineCore>(m_data, false);
    }
    void TearDown() override
    {
        m_core.reset();
        EXPECT_EQ(cFake::alive, 0) << "the cache deletes everything it made";
    }
    cResourceManager& cache() { return *cResourceManager::getInstance(); }
    void restart()
    {
        m_core.reset();
        m_core = std::make_unique<cEngineCore>(m_data, false);
    }

    cTestData m_data;
    std::unique_ptr<cEngineCore> m_core;
};

TEST_F(ResourceCache, OnePathOneObjectWhateverTheCase)
{
    iResource* first = cache().getTexture("UI/Back.png");
    iResource* second = cache().getTexture("ui/back.PNG");
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->getRefCount(), 2);
    EXPECT_EQ(first->getName(), "ui/back.png");
    EXPECT_EQ(cache().getResourceName(first), "ui/back.png");

    iXML* document = cache().getXML("UI/A.xml");
    EXPECT_EQ(cache().getXML("ui/a.xml"), document);
    EXPECT_EQ((*document)[u"x"], u"1");
}

TEST_F(ResourceCache, WrongTypeOrFailedMakerLeavesTheCacheAsItWas)
{
    iResource* texture = cache().getTexture("ui/back.png");
    EXPECT_EQ(thrownText([&] { cache().getFont("UI/back.png"); }),
        "Wrong resource type.\niResource* cResourceManager::getFont(const String& _path)");
    EXPECT_EQ(cache().getTexture("ui/back.png"), texture);
    EXPECT_EQ(texture->getRefCount(), 2);
    EXPECT_THROW(cache().getTexture("missing.png"), String);
    EXPECT_THROW(cache().getResourceName(nullptr), const char*);
    EXPECT_EQ(cFake::alive, 1);
}

TEST_F(ResourceCache, ForgottenObjectStaysUsableAndIsDeletedOnceUnused)
{
    iResource* old = cache().getTexture("ui/back.png");
    cache().releaseResource("ui/back.png");
    iResource* fresh = cache().getTexture("ui/back.png");
    EXPECT_NE(old, fresh);
    EXPECT_EQ(old->getName(), "ui/back.png") << "its holder keeps a working object";
    EXPECT_EQ(cFake::alive, 2);

    cache().clearUseless();
    EXPECT_EQ(cFake::alive, 2) << "still counted";
    old->release();
    cache().clearUseless();
    EXPECT_EQ(cFake::alive, 1);
    EXPECT_EQ(cache().getTexture("ui/back.png"), fresh) << "the old object's deletion leaves the new entry";
}

TEST_F(ResourceCache, ClearUselessKeepsCountedObjectsAndDocuments)
{
    iResource* used = cache().getTexture("used.png");
    cache().getTexture("preloaded.png")->release();
    iXML* document = cache().getXML("ui/a.xml");
    document->release();
    cache().clearUseless();
    EXPECT_EQ(cFake::alive, 1);
    EXPECT_EQ(cache().getTexture("used.png"), used);
    EXPECT_EQ(cache().getXML("ui/a.xml"), document);
}

TEST_F(ResourceCache, DeviceHooksReachTexturesOnly)
{
    cache().getTexture("a.png");
    cache().getFont("a.fnt");
    cache().preResetGraphics();
    EXPECT_EQ(cFake::resets, 1);
    cache().refresh();
    EXPECT_EQ(cFake::resets, 2);
}

TEST_F(ResourceCache, CreatingAFileDropsItsCachedCopy)
{
    iXML* old = cache().getXML("ui/a.xml");
    {
        std::unique_ptr<iFile> file(cFileManager::getInstance()->create(String("UI/A.xml")));
        const std::string bytes = makeXml16("<a x=\"2\" />");
        file->write(bytes.data(), static_cast<ULong>(bytes.size()));
    }
    iXML* fresh = cache().getXML("ui/a.xml");
    EXPECT_NE(fresh, old);
    EXPECT_EQ((*fresh)[u"x"], u"2");
    EXPECT_EQ((*old)[u"x"], u"1");
}

TEST_F(ResourceCache, LogIsWrittenByteForByte)
{
    cache().resourcesToLog("empty.xml");
    EXPECT_EQ(readFileBytes(m_data.common("empty.xml")),
        utf16Bytes("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<ResourceLog>\n</ResourceLog>", false));

    cache().getTexture("UI/B.png");
    cache().getXML("UI/A.xml");
    cache().resourcesToLog("log.xml");
    EXPECT_EQ(readFileBytes(m_data.common("log.xml")),
        utf16Bytes("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<ResourceLog>\n"
                   "<Tag Path=\"ui/a.xml\" Type=\"1\" />\n<Tag Path=\"ui/b.png\" Type=\"0\" />\n</ResourceLog>",
            false));
}

TEST_F(ResourceCache, LogPreloadsItsRangeUncounted)
{
    // The common folder was indexed at start: the log goes in through the file manager.
    std::unique_ptr<iFile> file(cFileManager::getInstance()->create(String("log.xml")));
    const std::string bytes = makeXml16(
        "<ResourceLog><Tag Path=\"a.png\" Type=\"0\" /><Tag Path=\"b.mesh\" Type=\"5\" />"
        "<Tag Path=\"c.anim\" Type=\"6\" /><Tag Path=\"d.png\" /><Tag Path=\"e.fnt\" Type=\"2\" /></ResourceLog>");
    file->write(bytes.data(), static_cast<ULong>(bytes.size()));
    file.reset();
    iXML* log = cache().getXML("log.xml");
    cache().logToResources(log, 3, 3);
    EXPECT_EQ(cFake::alive, 0);
    cache().logToResources(log, 0, 10);
    EXPECT_EQ(cFake::alive, 2) << "meshes, animations and entries without a type are skipped";
    cache().clearUseless();
    EXPECT_EQ(cFake::alive, 0) << "preloaded entries wait uncounted";
}

TEST_F(ResourceCache, ANonAsciiPathLoggedIsReadBackByTheCache)
{
    cache().getXML(kFarm);
    cache().resourcesToLog("first.xml");
    restart();
    cXML log("first.xml");
    ASSERT_NO_THROW(cache().logToResources(&log, 0, log.getNodeCount()));
    cache().resourcesToLog("second.xml");
    EXPECT_EQ(readFileBytes(m_data.common("second.xml")), readFileBytes(m_data.common("first.xml")));
    EXPECT_EQ(readFileBytes("error.log").find("does not load"), std::string::npos);
}

TEST_F(ResourceCache, OddLogEntriesAreLoggedAndPassedOver)
{
    // Each byte of the path as one code unit, as earlier logs held it.
    std::string bytewise;
    for (unsigned char c : kFarm)
        bytewise += c < 0x80 ? std::string(1, char(c)) : std::string{char(0xC0 | c >> 6), char(0x80 | (c & 0x3F))};
    writeXml16(m_data.common("log.xml"),
        "<ResourceLog><Tag Path=\"" + bytewise + "\" Type=\"1\" /><Tag Path=\"nowhere.xml\" Type=\"1\" />"
        "<Tag Path=\"../../etc/passwd\" Type=\"1\" /><Tag Path=\"\" Type=\"1\" /><Tag Type=\"1\" /></ResourceLog>");
    restart();
    cXML log("log.xml");
    EXPECT_NO_THROW(cache().logToResources(&log, 0, log.getNodeCount()));
    cache().resourcesToLog("now.xml");
    EXPECT_NE(readFileBytes(m_data.common("now.xml")).find(makeXml16(kFarm).substr(2)), std::string::npos);
    EXPECT_NE(readFileBytes("error.log").find("nowhere.xml"), std::string::npos);
}

// The sound manager over the recording fake, with sound files in a test data folder.
class SoundManager : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_data.write(m_data.data("sounds/click.wav"), "click bytes");
        m_data.write(m_data.data("sounds/tune.ogg"), "tune bytes");
        m_core = std::make_unique<cEngineCore>(m_data, false);
    }
    cSoundManager& start()
    {
        m_manager = std::make_unique<cSoundManager>(m_library);
        return *m_manager;
    }
    // Started with one sound loaded.
    cSoundManager& startWithSound()
    {
        start();
        m_sound = std::make_unique<cSound>("sounds/click.wav");
        return *m_manager;
    }

    cTestData m_data;
    std::unique_ptr<cEngineCore> m_core;
    cHeadlessSoundLibrary m_library;
    std::unique_ptr<cSoundManager> m_manager;
    std::unique_ptr<cSound> m_sound;
};

TEST_F(SoundManager, VolumeFollowsTheSquareRootCurve)
{
    const struct {
        UInt volume;
        Int group;
    } cases[] = {{100, 100}, {50, 70}, {25, 50}, {1, 9}, {0, 0}};
    cSoundManager& manager = start();
    for (const auto& c : cases) {
        manager.setSoundVolume(c.volume);
        manager.setMusicVolume(c.volume);
        EXPECT_EQ(manager.getSoundVolume(), c.volume);
        EXPECT_EQ(m_library.getGroupVolume(SG_EFFECTS), c.group) << c.volume;
        EXPECT_EQ(m_library.getGroupVolume(SG_MUSIC), c.group) << c.volume;
    }
}

TEST_F(SoundManager, PauseSilencesEverythingAndOnlyAChangeReachesTheLibrary)
{
    cSoundManager& manager = startWithSound();
    std::unique_ptr<cChannel> channel(manager.playMusic(m_sound.get(), true, true));
    manager.setPause(false);
    EXPECT_EQ(m_library.countCalls("pauseAll"), 0);
    manager.setPause(true);
    manager.setPause(true);
    EXPECT_EQ(m_library.countCalls("pauseAll"), 1);
    EXPECT_TRUE(manager.isPaused());
    EXPECT_FALSE(m_library.isAudible(channel->getId()));
    manager.setPause(false);
    EXPECT_TRUE(m_library.isAudible(channel->getId()));
}

TEST_F(SoundManager, EffectsPlayInTheirGroupAtItsVolumeAndFireAndForgetNeitherLoopsNorKeepsAChannel)
{
    cSoundManager& manager = startWithSound();
    manager.setSoundVolume(50);
    std::unique_ptr<cChannel> channel(manager.playSound(m_sound.get(), true, true));
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(channel->getGroup(), SG_EFFECTS);
    const std::string play = "play " + std::to_string(m_sound->getSampleId());
    EXPECT_EQ(m_library.getCalls().back(),
        play + " loop=1 group=1 start=1 volume=70 frequency=44100 pan=50 -> " + std::to_string(channel->getId()));
    manager.play(m_sound.get());
    EXPECT_EQ(m_library.getCalls().back().find(play + " loop=0 group=1 start=1"), 0u);
    EXPECT_EQ(m_sound->getRefCount(), 2) << "only the kept channel holds the sound";
}

TEST_F(SoundManager, ChannelNotStartedWaitsForPlay)
{
    // Effects wait paused; music waits prepared and is started, not resumed.
    const struct {
        bool music;
        int waiting, group;
        const char* startCall;
    } cases[] = {{false, SCS_PAUSED, SG_EFFECTS, "pauseChannel"}, {true, SCS_PREPARED, SG_MUSIC, "startChannel"}};
    cSoundManager& manager = startWithSound();
    manager.setMusicVolume(25);
    for (const auto& c : cases) {
        std::unique_ptr<cChannel> channel(c.music ? manager.playMusic(m_sound.get(), true, false)
                                                  : manager.playSound(m_sound.get(), false, false));
        const int id = channel->getId();
        EXPECT_EQ(channel->getGroup(), c.group);
        EXPECT_EQ(m_library.getChannelStatus(id), c.waiting) << c.music;
        EXPECT_FALSE(m_library.isAudible(id)) << c.music;
        m_library.clearCalls();
        channel->play();
        EXPECT_EQ(m_library.getChannelStatus(id), SCS_PLAYING) << c.music;
        EXPECT_TRUE(m_library.isAudible(id)) << c.music;
        EXPECT_EQ(m_library.countCalls(c.startCall), 1) << c.music;
    }
}

TEST_F(SoundManager, DeletingAPausedChannelStopsItAndDropsItsReferenceAndARefusedOneHoldsNone)
{
    cSoundManager& manager = startWithSound();
    cChannel* channel = manager.playSound(m_sound.get(), true, true);
    EXPECT_EQ(m_sound->getRefCount(), 2);
    channel->pause();
    const int id = channel->getId();
    delete channel;
    EXPECT_EQ(m_library.getChannelStatus(id), SCS_NONE);
    EXPECT_EQ(m_sound->getRefCount(), 1);
    EXPECT_EQ(thrownText([&] { cChannel refused(-3, m_sound.get()); }),
        "Error sound channel creating. Error code:-3\ncChannel::cChannel(int _id)");
    EXPECT_EQ(m_sound->getRefCount(), 1);
}

// Under the address checker: a channel that reached back into its manager would fail here.
TEST_F(SoundManager, ChannelOutlivingTheManagerStaysSilent)
{
    std::unique_ptr<cChannel> channel(startWithSound().playMusic(m_sound.get(), true, true));
    m_manager.reset();
    channel->pause();
    channel->play();
    EXPECT_EQ(m_library.getChannelStatus(channel->getId()), SCS_NONE);
}

TEST_F(SoundManager, EveryVoiceBusyGivesNoChannelInsteadOfAFailure)
{
    cSoundManager& manager = startWithSound();
    std::vector<std::unique_ptr<cChannel>> channels;
    for (int i = 0; i < 16; ++i)
        channels.emplace_back(manager.playSound(m_sound.get(), true, true));
    ASSERT_NE(channels.back(), nullptr);
    EXPECT_EQ(manager.playSound(m_sound.get(), false, true), nullptr);
    EXPECT_EQ(manager.playMusic(m_sound.get(), true, true), nullptr);
    EXPECT_NO_THROW(manager.play(m_sound.get()));
    EXPECT_EQ(m_sound->getRefCount(), 17);
    channels.pop_back();
    EXPECT_NE(std::unique_ptr<cChannel>(manager.playMusic(m_sound.get(), true, true)), nullptr);
}

TEST_F(SoundManager, SoundLoadsItsFileAsASampleAndUnloadsItAndAMissingFileIsAnError)
{
    startWithSound();
    const std::vector<unsigned char>* bytes = m_library.getSampleBytes(m_sound->getSampleId());
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "click bytes");
    const int sample = m_sound->getSampleId();
    m_sound.reset();
    EXPECT_EQ(m_library.getSampleBytes(sample), nullptr);
    EXPECT_EQ(thrownText([] { cSound sound("sounds/missing.wav"); }, true),
        "Error loading sound file \"sounds/missing.wav\"");
}

TEST_F(SoundManager, MissingDeviceDisablesEverySoundOperation)
{
    m_library.setDeviceMissing(true);
    cSoundManager& manager = startWithSound();
    EXPECT_TRUE(manager.isDisabled());
    EXPECT_EQ(m_sound->getSampleId(), 0);
    EXPECT_EQ(manager.playSound(m_sound.get(), true, true), nullptr);
    EXPECT_EQ(manager.playMusic(m_sound.get(), true, true), nullptr);
    manager.play(m_sound.get());
    manager.setSoundVolume(50);
    manager.setPause(true);
    EXPECT_EQ(manager.getSoundVolume(), 50u);
    EXPECT_TRUE(manager.isPaused());
    EXPECT_EQ(m_library.getCalls(), (std::vector<std::string>{"init channels=16 -> -1", "free"}));
}

TEST_F(SoundManager, RefusedFileCallbacksEndTheStart)
{
    m_library.setCallbacksRefused(true);
    EXPECT_EQ(thrownText([&] { start(); }), "Can't setup sound file callbacks.\ncSoundManager::cSoundManager()");
    EXPECT_FALSE(cSoundManager::exists());
    EXPECT_FALSE(m_library.isOpen());
}

// The file callbacks, as the library calls them.
TEST_F(SoundManager, FileCallbacksSeekBySizeRefuseUnknownHandlesAndCloseAtShutdown)
{
    char byte = 0;
    EXPECT_THROW(cSoundManager::fileRead(2, &byte, 1), String) << "no manager";
    start();
    const unsigned int handle = cSoundManager::fileOpen("sounds/click.wav");
    EXPECT_EQ(handle, 2u) << "handles start at two";
    EXPECT_EQ(cSoundManager::fileOpen("sounds/tune.ogg"), 3u);
    EXPECT_EQ(cSoundManager::fileOpen("sounds/nothing.wav"), 0xFFFFFFFFu);
    char bytes[5] = {};
    EXPECT_EQ(cSoundManager::fileRead(handle, bytes, 5), 5);
    EXPECT_EQ(cSoundManager::fileSeek(handle, 0, 2), 11) << "seeking to the end answers the size";
    EXPECT_EQ(cSoundManager::fileSeek(handle, 0, 0), 0);
    EXPECT_EQ(cSoundManager::fileRead(handle, bytes, 5), 5);
    EXPECT_EQ(std::string(bytes, 5), " byte") << "and moves nothing";
    EXPECT_EQ(cSoundManager::fileRead(handle, bytes, -1), 0);
    cSoundManager::fileClose(handle);
    EXPECT_THROW(cSoundManager::fileSeek(handle, 0, 2), String);
    EXPECT_THROW(cSoundManager::fileClose(0xFFFFFFFFu), String);
    EXPECT_EQ(thrownText([&] { cSoundManager::fileRead(7, &byte, 1); }),
        "Invalid handle.\nint cSoundManager::fileRead (unsigned int Handle, void* Buffer, int Size)");
    // The one left open is closed and deleted by the manager; the leak checker sees any that is not.
    m_manager.reset();
    EXPECT_EQ(cSoundManager::fileOpen("sounds/click.wav"), 0xFFFFFFFFu);
}

TEST_F(SoundManager, TheResourceCacheMakesSounds)
{
    start();
    iResource* sound = cResourceManager::getInstance()->getSound("Sounds/Click.wav");
    ASSERT_NE(dynamic_cast<cSound*>(sound), nullptr);
    EXPECT_GT(static_cast<cSound*>(sound)->getSampleId(), 0);
    EXPECT_EQ(cResourceManager::getInstance()->getSound("sounds/click.wav"), sound);
}

// The sound manager among the engine's other managers: volumes kept in the settings'
// "Sound" section across runs.
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

} // namespace
