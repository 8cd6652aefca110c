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

TEST(DdsFiles, WrittenScreenshotReadsBackExactly)
{
    const sImage image = makeImage(5, 3, [](UInt x, UInt y) { return 0x12000000u * (x + 1) | y * 0x10203u; });
    const std::vector<unsigned char> file = writeDds(image);
    const sImage back = readDds(file.data(), file.size(), "shot.dds");
    EXPECT_EQ(image.width, back.width);
    EXPECT_EQ(image.height, back.height);
    EXPECT_EQ(image.pixels, back.pixels);
}

TEST(DdsFiles, WrittenHeaderIsUncompressed32BitArgb)
{
    const std::vector<unsigned char> file = writeDds(flatBlocks(8, 4));
    ASSERT_EQ(128u + 8 * 4 * 4, file.size());
    EXPECT_EQ(0, std::memcmp(file.data(), "DDS ", 4));
    EXPECT_EQ(124u, headerWord(file, 4));
    EXPECT_EQ(4u, headerWord(file, 12));
    EXPECT_EQ(8u, headerWord(file, 16));
    EXPECT_EQ(32u, headerWord(file, 20));
    EXPECT_EQ(32u, headerWord(file, 88));
    EXPECT_EQ(0xFF000000u, headerWord(file, 104));
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
