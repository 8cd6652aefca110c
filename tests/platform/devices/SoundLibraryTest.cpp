#include "SoundMaker.h"
#include "engine/resources/Channel.h"
#include "engine/files/FileManager.h"
#include "engine/resources/Sound.h"
#include "engine/resources/SoundManager.h"
#include "platform/headless/HeadlessSoundLibrary.h"
#include "platform/sdl/SdlSoundLibrary.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace {

// Sound files held in memory and served through the library's file callbacks, so the
// library can be tested without a file system. The callbacks are plain functions: they
// reach the one living set through s_files.
struct sMemorySoundFiles {
    sMemorySoundFiles() { s_files = this; }
    ~sMemorySoundFiles() { s_files = nullptr; }

    static unsigned int onOpen(const char* _name)
    {
        const auto found = s_files->files.find(_name);
        if (found == s_files->files.end())
            return kBadSoundFile;
        s_files->open[s_files->nextHandle] = {&found->second, 0};
        return s_files->nextHandle++;
    }
    static int onSeek(unsigned int _handle, int _position, int _seekMode)
    {
        if (_seekMode == 2 && _position == 0)
            return s_files->claimedSize.value_or(int(s_files->open.at(_handle).first->size()));
        return 0;
    }
    static int onRead(unsigned int _handle, void* _buffer, int _size)
    {
        if (s_files->throwingRead)
            throw "Read failed.";
        auto& [bytes, position] = s_files->open.at(_handle);
        const std::size_t count = std::min(std::size_t(_size), bytes->size() - position);
        std::memcpy(_buffer, bytes->data() + position, count);
        position += count;
        return int(count);
    }
    static void onClose(unsigned int _handle) { s_files->open.erase(_handle); }
    sSoundFileCallbacks getCallbacks() const { return sSoundFileCallbacks{onOpen, onSeek, onRead, onClose}; }

    static inline sMemorySoundFiles* s_files = nullptr;
    std::map<std::string, std::string> files;
    std::map<unsigned int, std::pair<const std::string*, std::size_t>> open; // handle -> bytes, read position
    unsigned int nextHandle = 1;
    // Reads throw, as a callback over a failing file system might.
    bool throwingRead = false;
    // Answered for the size instead of the true one.
    std::optional<int> claimedSize;
};

const int kVoices = 3;

// The channel protocol the sound manager relies on, held alike by the recording fake and by
// SDL2_mixer (on its dummy driver, so no sound card is needed).
template <class T>
class SoundLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        sTune tune;
        tune.seconds = 0.5;
        m_files.files["tone.wav"] = encodeWav(synthesise(tune), tune.sampleRate);
        m_files.files["empty.wav"] = "";
        sSoundSetup setup;
        setup.channels = kVoices;
        ASSERT_GE(m_library.init(setup), 0);
        ASSERT_GE(m_library.setFileCallbacks(m_files.getCallbacks()), 0);
        m_sample = m_library.loadSample("tone.wav");
        ASSERT_GT(m_sample, 0);
    }
    void TearDown() override { m_library.free(); }

    // Looping, so the channel is still there whenever the test looks.
    int play(bool _start = true)
    {
        sSoundPlay request;
        request.sample = m_sample;
        request.loop = true;
        request.start = _start;
        return m_library.play(request);
    }
    eSoundChannelStatus status(int _channel) { return m_library.getChannelStatus(_channel); }

    sMemorySoundFiles m_files;
    T m_library;
    int m_sample = 0;
};

using Backends = ::testing::Types<cHeadlessSoundLibrary, cSdlSoundLibrary>;
TYPED_TEST_SUITE(SoundLibrary, Backends);

TYPED_TEST(SoundLibrary, StaleChannelIdCannotReachTheNextSoundOnItsVoice)
{
    const int first = this->play();
    this->m_library.stopChannel(first);
    const int second = this->play();
    EXPECT_NE(first, second);
    EXPECT_EQ(this->status(first), SCS_NONE);
    this->m_library.stopChannel(first);
    this->m_library.pauseChannel(first, true);
    EXPECT_EQ(this->status(second), SCS_PLAYING);
}

TYPED_TEST(SoundLibrary, PreparedChannelsHoldVoicesAndPlayFailsWhileEveryVoiceIsBusy)
{
    const int channel = this->play(false);
    EXPECT_EQ(this->status(channel), SCS_PREPARED);
    this->m_library.startChannel(channel);
    EXPECT_EQ(this->status(channel), SCS_PLAYING);
    const int prepared = this->play(false);
    this->play();
    EXPECT_LT(this->play(), 0);
    this->m_library.stopChannel(prepared);
    EXPECT_GT(this->play(), 0);
}

TYPED_TEST(SoundLibrary, GlobalResumeLeavesTheGamesOwnPauses)
{
    const int paused = this->play();
    const int running = this->play();
    this->m_library.pauseChannel(paused, true);
    this->m_library.pauseAll(true);
    this->m_library.pauseAll(false);
    EXPECT_EQ(this->status(paused), SCS_PAUSED);
    EXPECT_EQ(this->status(running), SCS_PLAYING);
    this->m_library.pauseChannel(paused, false);
    EXPECT_EQ(this->status(paused), SCS_PLAYING);
}

TYPED_TEST(SoundLibrary, UnloadingASampleStopsItsChannelsAndItsIdIsNotReused)
{
    const int channel = this->play();
    this->m_library.unloadSample(this->m_sample);
    EXPECT_EQ(this->status(channel), SCS_NONE);
    EXPECT_LT(this->play(), 0);
    EXPECT_GT(this->m_library.loadSample("tone.wav"), this->m_sample);
}

TYPED_TEST(SoundLibrary, FailedLoadsLeaveNoFileOpen)
{
    EXPECT_LT(this->m_library.loadSample("missing.wav"), 0);
    EXPECT_LT(this->m_library.loadSample("empty.wav"), 0);
    this->m_files.claimedSize = cSoundVoices::kMaxSoundFileSize + 1;
    EXPECT_LT(this->m_library.loadSample("tone.wav"), 0);
    this->m_files.claimedSize = 100000;
    EXPECT_LT(this->m_library.loadSample("tone.wav"), 0);
    this->m_files.throwingRead = true;
    EXPECT_LT(this->m_library.loadSample("tone.wav"), 0);
    EXPECT_TRUE(this->m_files.open.empty());
}

// SDL2_mixer reads what our sound maker writes, refuses other bytes, and ends a short sound itself.
using SdlSound = SoundLibrary<cSdlSoundLibrary>;

// A headless game played for hours keeps only the last calls it made, the newest last.
TEST(HeadlessSoundRecord, OnlyTheLastCallsAreKept)
{
    cHeadlessSoundLibrary library;
    const size_t kept = cHeadlessSoundLibrary::KEPT_CALLS;
    for (size_t i = 0; i < 5 * kept; ++i)
        library.stopChannel(int(i));
    EXPECT_GE(library.getCalls().size(), kept);
    EXPECT_LE(library.getCalls().size(), 2 * kept);
    EXPECT_EQ(library.getCalls().back(), "stopChannel " + std::to_string(5 * kept - 1));
    EXPECT_EQ(library.countCalls("stopChannel"), int(library.getCalls().size()));
}

TEST_F(SdlSound, WavAndOggFromTheSoundMakerPlayAndOtherBytesAreRefused)
{
    sTune tune;
    tune.notes = {262, 330, 392, 523};
    m_files.files["loop.ogg"] = encodeOgg(synthesise(tune), tune.sampleRate);
    m_files.files["noise.wav"] = "RIFF nothing like a sound file";
    const int ogg = m_library.loadSample("loop.ogg");
    ASSERT_GT(ogg, 0);
    EXPECT_GT(m_library.getSampleFrequency(ogg), 0);
    EXPECT_LT(m_library.loadSample("noise.wav"), 0);
    sSoundPlay request;
    request.sample = ogg;
    request.pan = 20;
    EXPECT_EQ(status(m_library.play(request)), SCS_PLAYING);
    request.sample = m_sample;
    const int channel = m_library.play(request);
    // The dummy driver mixes in real time: half a second of sound is long gone within two.
    for (int i = 0; i < 200 && status(channel) != SCS_NONE; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(status(channel), SCS_NONE);
}

// The game closing while sounds play: the manager goes first, the channels and sounds that
// game objects still hold go after it.
TEST(SoundShutdown, ClosingWhileSoundsPlayIsClean)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    cTestData data;
    sTune tune;
    tune.notes = {330, 440};
    data.write(data.data("sounds/tune.ogg"), encodeOgg(synthesise(tune), tune.sampleRate));
    tune.seconds = 0.1;
    data.write(data.data("sounds/click.wav"), encodeWav(synthesise(tune), tune.sampleRate));
    cFileManager files(data.root(), "pack");
    cSdlSoundLibrary library;

    auto manager = std::make_unique<cSoundManager>(library);
    ASSERT_FALSE(manager->isDisabled());
    auto music = std::make_unique<cSound>("sounds/tune.ogg");
    auto click = std::make_unique<cSound>("sounds/click.wav");
    std::unique_ptr<cChannel> channel(manager->playMusic(music.get(), true, true));
    ASSERT_NE(channel, nullptr);
    manager->play(click.get());
    EXPECT_EQ(library.getChannelStatus(channel->getId()), SCS_PLAYING);

    manager.reset();
    EXPECT_EQ(library.getChannelStatus(channel->getId()), SCS_NONE);
    channel.reset();
    click.reset();
    EXPECT_EQ(music->getRefCount(), 1);
}

} // namespace
