#include "MemorySoundFiles.h"
#include "platform/headless/HeadlessSoundLibrary.h"

#include <gtest/gtest.h>

// What only the fake can show: whether a voice would be heard, sounds that run out, and a
// machine without a sound device.
namespace {

class HeadlessSound : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_files.add("a.wav", "any bytes");
        sSoundSetup setup;
        setup.channels = 2;
        ASSERT_GE(m_library.init(setup), 0);
        m_library.setFileCallbacks(m_files.getCallbacks());
        m_sample = m_library.loadSample("a.wav");
    }

    int play(int _group = 1, int _volume = 100)
    {
        sSoundPlay request;
        request.sample = m_sample;
        request.group = _group;
        request.volume = _volume;
        return m_library.play(request);
    }

    cMemorySoundFiles m_files;
    cHeadlessSoundLibrary m_library;
    int m_sample = 0;
};

TEST_F(HeadlessSound, GlobalPauseSilencesEverythingAndResumeOnlyWhatTheGameDidNotPause)
{
    const int paused = play();
    const int running = play();
    m_library.pauseChannel(paused, true);
    m_library.pauseAll(true);
    EXPECT_FALSE(m_library.isAudible(paused));
    EXPECT_FALSE(m_library.isAudible(running));
    m_library.pauseAll(false);
    EXPECT_FALSE(m_library.isAudible(paused));
    EXPECT_TRUE(m_library.isAudible(running));
}

TEST_F(HeadlessSound, ChannelResumedDuringGlobalPauseWaitsForTheGlobalResume)
{
    const int channel = play();
    m_library.pauseChannel(channel, true);
    m_library.pauseAll(true);
    m_library.pauseChannel(channel, false);
    EXPECT_FALSE(m_library.isAudible(channel));
    m_library.pauseAll(false);
    EXPECT_TRUE(m_library.isAudible(channel));
}

TEST_F(HeadlessSound, ChannelStartedDuringGlobalPauseIsSilentUntilResume)
{
    m_library.pauseAll(true);
    const int channel = play();
    EXPECT_EQ(m_library.getChannelStatus(channel), SCS_PLAYING);
    EXPECT_FALSE(m_library.isAudible(channel));
    m_library.pauseAll(false);
    EXPECT_TRUE(m_library.isAudible(channel));
}

TEST_F(HeadlessSound, SoundThatRanOutFreesItsVoice)
{
    const int a = play();
    play();
    EXPECT_LT(play(), 0);
    m_library.finish(a);
    EXPECT_EQ(m_library.getChannelStatus(a), SCS_NONE);
    EXPECT_GT(play(), 0);
}

TEST_F(HeadlessSound, GroupVolumeReachesOnlyThatGroupsChannels)
{
    const int effect = play(1, 100);
    const int music = play(2, 100);
    m_library.setGroupVolume(2, 40);
    EXPECT_EQ(m_library.getChannelVolume(effect), 100);
    EXPECT_EQ(m_library.getChannelVolume(music), 40);
}

TEST_F(HeadlessSound, VolumesOutsideTheScaleAreClamped)
{
    EXPECT_EQ(m_library.getChannelVolume(play(1, 250)), 100);
    EXPECT_EQ(m_library.getChannelVolume(play(1, -5)), 0);
}

TEST_F(HeadlessSound, SampleKeepsTheFilesBytes)
{
    const std::vector<unsigned char>* bytes = m_library.getSampleBytes(m_sample);
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "any bytes");
}

TEST(HeadlessSoundDevice, MissingDeviceFailsInit)
{
    cHeadlessSoundLibrary library;
    library.setDeviceMissing(true);
    EXPECT_LT(library.init(sSoundSetup()), 0);
    EXPECT_FALSE(library.isOpen());
    sSoundPlay request;
    EXPECT_LT(library.play(request), 0);
}

TEST(HeadlessSoundDevice, CallsAreRecordedInOrder)
{
    cHeadlessSoundLibrary library;
    library.init(sSoundSetup());
    library.pauseAll(true);
    library.setGroupVolume(1, 70);
    EXPECT_EQ(library.getCalls(), (std::vector<std::string>{"init channels=16 -> 0", "pauseAll 1", "setGroupVolume 1 70"}));
    EXPECT_EQ(library.countCalls("pauseAll"), 1);
    EXPECT_EQ(library.countCalls("pause"), 0);
}

} // namespace
