#include "MemorySoundFiles.h"
#include "SoundMaker.h"
#include "platform/headless/HeadlessSoundLibrary.h"
#include "platform/sdl/SdlSoundLibrary.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

// The channel protocol that the sound manager relies on, held by the recording fake and by
// SDL2_mixer alike (SDL on its dummy audio driver, so no sound card is needed).
namespace {

const int kVoices = 3;

std::string makeTone()
{
    sTune tune;
    tune.seconds = 0.5;
    tune.notes = {440};
    return encodeWav(synthesise(tune), tune.sampleRate);
}

template <class T>
class SoundLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Keeps any driver the caller chose; CI chooses the dummy one too.
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        m_files.add("tone.wav", makeTone());
        m_files.add("empty.wav", "");
        sSoundSetup setup;
        setup.channels = kVoices;
        ASSERT_GE(m_library.init(setup), 0);
        ASSERT_GE(m_library.setFileCallbacks(m_files.getCallbacks()), 0);
        m_sample = m_library.loadSample("tone.wav");
        ASSERT_GT(m_sample, 0);
    }
    void TearDown() override { m_library.free(); }

    // Looping, so a channel is still there whenever the test looks.
    int play(bool _start = true, int _group = 1)
    {
        sSoundPlay request;
        request.sample = m_sample;
        request.loop = true;
        request.group = _group;
        request.start = _start;
        request.frequency = m_library.getSampleFrequency(m_sample);
        return m_library.play(request);
    }

    cMemorySoundFiles m_files;
    T m_library;
    int m_sample = 0;
};

using Backends = ::testing::Types<cHeadlessSoundLibrary, cSdlSoundLibrary>;
TYPED_TEST_SUITE(SoundLibrary, Backends);

TYPED_TEST(SoundLibrary, ChannelIdsAreNeverReused)
{
    const int first = this->play();
    this->m_library.stopChannel(first);
    const int second = this->play();
    ASSERT_GT(second, 0);
    EXPECT_NE(first, second);
    EXPECT_EQ(this->m_library.getChannelStatus(first), SCS_NONE);
    // A stale id cannot reach the sound that now has its voice.
    this->m_library.stopChannel(first);
    this->m_library.pauseChannel(first, true);
    EXPECT_EQ(this->m_library.getChannelStatus(second), SCS_PLAYING);
}

TYPED_TEST(SoundLibrary, PreparedChannelSoundsOnlyOnceStarted)
{
    const int channel = this->play(false);
    EXPECT_EQ(this->m_library.getChannelStatus(channel), SCS_PREPARED);
    this->m_library.startChannel(channel);
    EXPECT_EQ(this->m_library.getChannelStatus(channel), SCS_PLAYING);
}

TYPED_TEST(SoundLibrary, PreparedChannelHoldsItsVoice)
{
    for (int i = 0; i < kVoices; ++i)
        ASSERT_GT(this->play(false), 0);
    EXPECT_LT(this->play(), 0);
}

TYPED_TEST(SoundLibrary, PlayFailsWhileEveryVoiceIsBusyAndWorksOnceOneIsFree)
{
    int channels[kVoices];
    for (int& channel : channels)
        ASSERT_GT(channel = this->play(), 0);
    EXPECT_LT(this->play(), 0);
    this->m_library.stopChannel(channels[1]);
    EXPECT_GT(this->play(), 0);
}

TYPED_TEST(SoundLibrary, PausedChannelResumes)
{
    const int channel = this->play();
    this->m_library.pauseChannel(channel, true);
    EXPECT_EQ(this->m_library.getChannelStatus(channel), SCS_PAUSED);
    this->m_library.pauseChannel(channel, false);
    EXPECT_EQ(this->m_library.getChannelStatus(channel), SCS_PLAYING);
}

TYPED_TEST(SoundLibrary, GlobalResumeLeavesTheGamesOwnPauses)
{
    const int paused = this->play();
    const int running = this->play();
    this->m_library.pauseChannel(paused, true);
    this->m_library.pauseAll(true);
    this->m_library.pauseAll(false);
    EXPECT_EQ(this->m_library.getChannelStatus(paused), SCS_PAUSED);
    EXPECT_EQ(this->m_library.getChannelStatus(running), SCS_PLAYING);
}

TYPED_TEST(SoundLibrary, StopAllEndsEveryChannel)
{
    const int a = this->play();
    const int b = this->play(false);
    this->m_library.stopAll();
    EXPECT_EQ(this->m_library.getChannelStatus(a), SCS_NONE);
    EXPECT_EQ(this->m_library.getChannelStatus(b), SCS_NONE);
}

TYPED_TEST(SoundLibrary, UnloadingASampleStopsItsChannels)
{
    const int channel = this->play();
    this->m_library.unloadSample(this->m_sample);
    EXPECT_EQ(this->m_library.getChannelStatus(channel), SCS_NONE);
    EXPECT_LT(this->play(), 0);
}

TYPED_TEST(SoundLibrary, SampleIdsAreNeverReused)
{
    this->m_library.unloadSample(this->m_sample);
    const int again = this->m_library.loadSample("tone.wav");
    EXPECT_GT(again, this->m_sample);
}

TYPED_TEST(SoundLibrary, LoadReadsTheFileThroughTheCallbacksAndClosesIt)
{
    EXPECT_EQ(this->m_files.getOpenedTotal(), 1);
    EXPECT_EQ(this->m_files.getOpenCount(), 0);
}

TYPED_TEST(SoundLibrary, FilesThatCannotBeReadAreNoSample)
{
    EXPECT_LT(this->m_library.loadSample("missing.wav"), 0);
    EXPECT_LT(this->m_library.loadSample("empty.wav"), 0);
    EXPECT_EQ(this->m_files.getOpenCount(), 0);
}

TYPED_TEST(SoundLibrary, ThrowingCallbackFailsTheLoadAndTheFileIsClosed)
{
    this->m_files.setThrowingRead(true);
    EXPECT_LT(this->m_library.loadSample("tone.wav"), 0);
    EXPECT_EQ(this->m_files.getOpenCount(), 0);
}

TYPED_TEST(SoundLibrary, ImplausibleFileSizeFailsTheLoad)
{
    for (int size : {-1, cSoundVoices::kMaxSoundFileSize + 1, 100000000}) {
        this->m_files.setClaimedSize(size);
        EXPECT_LT(this->m_library.loadSample("tone.wav"), 0) << size;
        EXPECT_EQ(this->m_files.getOpenCount(), 0) << size;
    }
}

TYPED_TEST(SoundLibrary, NothingPlaysAfterFree)
{
    const int channel = this->play();
    this->m_library.free();
    EXPECT_EQ(this->m_library.getChannelStatus(channel), SCS_NONE);
    EXPECT_LT(this->play(), 0);
    EXPECT_LT(this->m_library.loadSample("tone.wav"), 0);
}

} // namespace
