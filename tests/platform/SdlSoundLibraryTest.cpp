#include "MemorySoundFiles.h"
#include "SoundMaker.h"
#include "platform/sdl/SdlSoundLibrary.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

// SDL2_mixer on its dummy driver, fed files that our sound maker wrote.
namespace {

class SdlSound : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        sTune tune;
        tune.seconds = 0.05;
        tune.notes = {2000};
        m_files.files["click.wav"] = encodeWav(synthesise(tune), tune.sampleRate);
        tune.seconds = 1;
        tune.notes = {262, 330, 392, 523};
        m_files.files["loop.ogg"] = encodeOgg(synthesise(tune), tune.sampleRate);
        m_files.files["noise.wav"] = "RIFF nothing like a sound file";
        ASSERT_GE(m_library.init(sSoundSetup()), 0);
        m_library.setFileCallbacks(m_files.getCallbacks());
    }
    void TearDown() override { m_library.free(); }

    sMemorySoundFiles m_files;
    cSdlSoundLibrary m_library;
};

TEST_F(SdlSound, WavAndOggFromTheSoundMakerPlayAndOtherBytesAreRefused)
{
    for (const char* name : {"click.wav", "loop.ogg"}) {
        sSoundPlay request;
        request.sample = m_library.loadSample(name);
        ASSERT_GT(request.sample, 0) << name;
        EXPECT_GT(m_library.getSampleFrequency(request.sample), 0) << name;
        request.loop = true;
        request.pan = 20;
        EXPECT_EQ(m_library.getChannelStatus(m_library.play(request)), SCS_PLAYING) << name;
    }
    EXPECT_LT(m_library.loadSample("noise.wav"), 0);
}

TEST_F(SdlSound, ShortSoundEndsByItselfAndFreesItsChannel)
{
    sSoundPlay request;
    request.sample = m_library.loadSample("click.wav");
    const int channel = m_library.play(request);
    ASSERT_GT(channel, 0);
    // The dummy driver mixes in real time: 50 ms of sound is long gone within two seconds.
    for (int i = 0; i < 200 && m_library.getChannelStatus(channel) != SCS_NONE; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(m_library.getChannelStatus(channel), SCS_NONE);
}

} // namespace
