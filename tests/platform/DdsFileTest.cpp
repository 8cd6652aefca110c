#include "support/ImageFixtures.h"
#include "platform/DdsFile.h"
#include "platform/ImageLoader.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Colours that survive 5-6-5 quantisation exactly.
sImage flatBlocks(UInt _width, UInt _height)
{
    return makeImage(_width, _height, [](UInt x, UInt y) { return ((x / 4 + y / 4) % 2) ? 0xFFFF0000u : 0xFF0000FFu; });
}

UInt headerWord(const std::vector<unsigned char>& _file, std::size_t _at)
{
    UInt value = 0;
    std::memcpy(&value, &_file[_at], 4);
    return value;
}

} // namespace

// Other tools must read our screenshots: an uncompressed 32-bit ARGB header, then the rows.
TEST(DdsFiles, WrittenScreenshotIsPlainArgbAndReadsBackExactly)
{
    const sImage image = makeImage(5, 3, [](UInt x, UInt y) { return 0x12000000u * (x + 1) | y * 0x10203u; });
    const std::vector<unsigned char> file = writeDds(image);
    ASSERT_EQ(128u + 5 * 3 * 4, file.size());
    EXPECT_EQ(0, std::memcmp(file.data(), "DDS ", 4));
    const std::pair<std::size_t, UInt> words[] = {{4, 124}, {12, 3}, {16, 5}, {20, 20}, {88, 32}, {104, 0xFF000000}};
    for (const auto& word : words)
        EXPECT_EQ(word.second, headerWord(file, word.first)) << "at " << word.first;
    EXPECT_EQ(image.pixels, readDds(file.data(), file.size(), "shot.dds").pixels);
}

TEST(DdsFiles, CompressedFilesDecodeThroughTheLoader)
{
    const sImage source = flatBlocks(12, 8);
    for (const char* code : {"DXT1", "DXT3", "DXT5"}) {
        const std::string file = makeCompressedDds(source, code);
        const sImage image = loadImage(file.data(), file.size(), "t.dds");
        EXPECT_EQ(source.width, image.width) << code;
        EXPECT_EQ(source.height, image.height) << code;
        EXPECT_EQ(source.pixels, image.pixels) << code;
    }
}

TEST(DdsFiles, SixteenBitPixelsWidenToEightBitChannels)
{
    const sImage source = flatBlocks(4, 4);
    const std::string file = makeRgb565Dds(source);
    EXPECT_EQ(source.pixels, loadImage(file.data(), file.size(), "t.dds").pixels);
}
