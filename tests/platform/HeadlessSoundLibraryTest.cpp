#include "MemorySoundFiles.h"
#include "platform/headless/HeadlessSoundLibrary.h"

#include <gtest/gtest.h>

// What only the fake shows: whether a voice would be heard, and sounds that run out.
namespace {

class HeadlessSound : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_files.files["a.wav"] = "any bytes";
        sSoundSetup setup;
        setup.channels = 2;
        m_library.init(setup);
        m_library.setFileCallbacks(m_files.getCallbacks());
        m_sample = m_library.loadSample("a.wav");
    }
    int play(int _group = 1)
    {
        sSoundPlay request;
        request.sample = m_sample;
        request.group = _group;
        return m_library.play(request);
    }

    sMemorySoundFiles m_files;
    cHeadlessSoundLibrary m_library;
    int m_sample = 0;
};

TEST_F(HeadlessSound, GlobalPauseSilencesEverythingUntilResumed)
{
    const int paused = play();
    const int running = play();
    m_library.pauseChannel(paused, true);
    m_library.pauseAll(true);
    // Resumed by the game while everything is paused: still silent until the global resume.
    m_library.pauseChannel(paused, false);
    EXPECT_FALSE(m_library.isAudible(paused));
    EXPECT_FALSE(m_library.isAudible(running));
    m_library.pauseAll(false);
    EXPECT_TRUE(m_library.isAudible(paused));
    EXPECT_TRUE(m_library.isAudible(running));
}

TEST_F(HeadlessSound, SoundThatRanOutFreesItsVoice)
{
    const int a = play();
    play();
    m_library.finish(a);
    EXPECT_EQ(m_library.getChannelStatus(a), SCS_NONE);
    EXPECT_GT(play(), 0);
}

TEST_F(HeadlessSound, GroupVolumeReachesOnlyThatGroupsChannels)
{
    const int effect = play(1);
    const int music = play(2);
    m_library.setGroupVolume(2, 140);
    EXPECT_EQ(m_library.getChannelVolume(effect), 100);
    EXPECT_EQ(m_library.getChannelVolume(music), 100);
    m_library.setGroupVolume(2, 40);
    EXPECT_EQ(m_library.getChannelVolume(music), 40);
}

} // namespace
