#include "SoundMaker.h"

#include <gtest/gtest.h>

namespace {

std::uint32_t readLittle(const String& _bytes, std::size_t _at, int _count)
{
    std::uint32_t value = 0;
    for (int i = _count - 1; i >= 0; --i)
        value = (value << 8) | std::uint8_t(_bytes[_at + std::size_t(i)]);
    return value;
}

TEST(SoundMaker, TuneLastsItsSecondsAtTheSampleRateAndBadCommandLineWordsAreRefused)
{
    const sTune tune = parseTune("0.5", "440,0,880");
    EXPECT_EQ(tune.notes, (std::vector<Double>{440, 0, 880}));
    EXPECT_EQ(synthesise(tune).size(), 22050u);
    const struct {
        const char* seconds;
        const char* notes;
    } cases[] = {{"", "440"}, {"x", "440"}, {"0", "440"}, {"601", "440"}, {"1", ""}, {"1", "440,"},
        {"1", "-3"}, {"1", "30000"}, {"nan", "440"}, {"1", "440Hz"}};
    for (const auto& bad : cases)
        EXPECT_THROW(parseTune(bad.seconds, bad.notes), String) << bad.seconds << " " << bad.notes;
}

TEST(SoundMaker, NotesStartAndEndSoftlySoLoopsDoNotClick)
{
    sTune tune;
    tune.seconds = 0.1;
    tune.volume = 1;
    tune.notes = {1000};
    const std::vector<std::int16_t> samples = synthesise(tune);
    EXPECT_LT(std::abs(samples.front()), 500);
    EXPECT_LT(std::abs(samples.back()), 500);
    int loudest = 0;
    for (std::int16_t sample : samples)
        loudest = std::max(loudest, std::abs(int(sample)));
    EXPECT_GT(loudest, 20000);
}

TEST(SoundMaker, WavIsMonoSixteenBitPcm)
{
    const std::vector<std::int16_t> samples = {0, 1, -1, 32767};
    const String wav = encodeWav(samples, 22050);
    ASSERT_EQ(wav.size(), 44u + 8u);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    // {offset, width, value}: sizes, PCM mono, the rate, 16 bits, then the samples.
    const std::uint32_t fields[][3] = {{4, 4, 44}, {20, 4, 0x00010001}, {24, 4, 22050}, {34, 2, 16}, {40, 4, 8},
        {46, 2, 1}, {48, 2, 0xFFFF}};
    for (const auto& field : fields)
        EXPECT_EQ(readLittle(wav, field[0], int(field[1])), field[2]) << "at " << field[0];
}

TEST(SoundMaker, OggIsAnOggStreamAndTheSameEveryTime)
{
    sTune tune;
    tune.notes = {440, 660};
    const String first = encodeOgg(synthesise(tune), tune.sampleRate);
    EXPECT_EQ(first.substr(0, 4), "OggS");
    EXPECT_NE(first.find("vorbis"), String::npos);
    EXPECT_EQ(first, encodeOgg(synthesise(tune), tune.sampleRate));
}

} // namespace
