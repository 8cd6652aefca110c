#include "SoundMaker.h"
#include "engine/Channel.h"
#include "engine/FileManager.h"
#include "engine/Sound.h"
#include "engine/SoundManager.h"
#include "platform/sdl/SdlSoundLibrary.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

// The game closing while sounds play, on the real mixer (dummy driver): the manager goes
// first, the channels and sounds that game objects still hold go after it.
namespace {

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
