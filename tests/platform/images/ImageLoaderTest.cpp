#include "platform/images/DdsFile.h"
#include "platform/images/ImageLoader.h"
#include "platform/images/TextureFit.h"
#include "support/ImageFixtures.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

sImage load(const std::string& _bytes, const String& _name = "test.img")
{
    return loadImage(_bytes.data(), _bytes.size(), _name);
}

// Four flat quarters, so lossy formats keep the colours close.
UInt quarters(UInt _x, UInt _y, UInt _width, UInt _height)
{
    static const UInt COLOURS[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
    return COLOURS[(_x * 2 / _width) + 2 * (_y * 2 / _height)];
}

sImage quarterImage(UInt _width, UInt _height)
{
    return makeImage(_width, _height, [&](UInt x, UInt y) { return quarters(x, y, _width, _height); });
}

void expectClose(const sImage& _expected, const sImage& _actual, int _tolerance)
{
    ASSERT_EQ(_expected.width, _actual.width);
    ASSERT_EQ(_expected.height, _actual.height);
    for (UInt y = 0; y < _expected.height; ++y)
        for (UInt x = 0; x < _expected.width; ++x)
            ASSERT_LE(channelDistance(_expected.at(x, y), _actual.at(x, y)), _tolerance) << "at " << x << "," << y;
}

// Lossy pictures are compared away from the edges between the quarters.
void expectQuarterCentres(const sImage& _image, int _tolerance)
{
    for (UInt q = 0; q < 4; ++q) {
        const UInt x = (q % 2) * _image.width / 2 + _image.width / 4;
        const UInt y = (q / 2) * _image.height / 2 + _image.height / 4;
        EXPECT_LE(channelDistance(quarters(x, y, _image.width, _image.height), _image.at(x, y)), _tolerance)
            << "quarter " << q;
    }
}

// An uncompressed 32-bit TGA header declaring 4096 by 4096 pixels, then one pixel.
std::string bigTga()
{
    std::string bytes(18, '\0');
    bytes[2] = 2;
    bytes[13] = 0x10;
    bytes[15] = 0x10;
    bytes[16] = 32;
    return bytes + "\x10\x20\x30\x40";
}

} // namespace

// The signature decides whatever the name says.
TEST(LossyImages, OneAndOddSizedImagesKeepTheirSizeAndColours)
{
    const sImage one = load(makeJng(makeImage(1, 1, [](UInt, UInt) { return 0xFF00FF00u; }), false));
    ASSERT_EQ(1u, one.width);
    ASSERT_EQ(1u, one.height);
    EXPECT_LE(channelDistance(0xFF00FF00u, one.pixels[0]), 8);
    const std::string jng = makeJng(quarterImage(129, 64), false);
    EXPECT_TRUE(isJngImage(jng.data(), jng.size()));
    const sImage odd = load(jng, "picture.png");
    ASSERT_EQ(129u, odd.width);
    ASSERT_EQ(64u, odd.height);
    expectQuarterCentres(odd, 8);
    expectQuarterCentres(load(makeJpeg(quarterImage(32, 32))), 8);
}

TEST(LossyImages, JngAlphaChannelIsExact)
{
    const sImage source = makeImage(8, 4, [](UInt x, UInt y) { return UInt(x * 32 + y) << 24 | 0x808080u; });
    const sImage image = load(makeJng(source, true));
    ASSERT_EQ(8u, image.width);
    for (UInt y = 0; y < 4; ++y)
        for (UInt x = 0; x < 8; ++x)
            EXPECT_EQ(source.at(x, y) >> 24, image.at(x, y) >> 24) << x << "," << y;
}

TEST(LosslessImages, DecodeToTheSamePixels)
{
    const struct {
        const char* name;
        std::string (*write)(const sImage&);
    } cases[] = {{"png", makePng}, {"tga", makeTga}, {"bmp", makeBmp}, {"mng", makeMng}};
    const sImage source = makeImage(7, 5, [](UInt x, UInt y) { return 0x80000000u | x * 0x230000 | y * 0x3100 | 0x42; });
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectClose(source, load(c.write(source)), 0);
    }
}

// Other tools must read our screenshots: an uncompressed 32-bit ARGB header, then the rows.
TEST(DdsFiles, WrittenScreenshotIsPlainArgbAndReadsBackExactly)
{
    const sImage image = makeImage(5, 3, [](UInt x, UInt y) { return 0x12000000u * (x + 1) | y * 0x10203u; });
    const std::vector<unsigned char> file = writeDds(image);
    ASSERT_EQ(128u + 5 * 3 * 4, file.size());
    EXPECT_EQ(0, std::memcmp(file.data(), "DDS ", 4));
    const std::pair<std::size_t, UInt> words[] = {{4, 124}, {12, 3}, {16, 5}, {20, 20}, {88, 32}, {104, 0xFF000000}};
    for (const auto& word : words) {
        UInt value = 0;
        std::memcpy(&value, &file[word.first], 4);
        EXPECT_EQ(word.second, value) << "at " << word.first;
    }
    EXPECT_EQ(image.pixels, readDds(file.data(), file.size(), "shot.dds").pixels);
}

// Flat 4 x 4 blocks of colours that 5-6-5 keeps exactly, so compressed files decode to the source.
TEST(DdsFiles, CompressedAndSixteenBitFilesDecodeThroughTheLoader)
{
    const sImage source = quarterImage(16, 8);
    for (const char* code : {"DXT1", "DXT3", "DXT5"}) {
        SCOPED_TRACE(code);
        expectClose(source, load(makeCompressedDds(source, code), "t.dds"), 0);
    }
    expectClose(quarterImage(8, 8), load(makeRgb565Dds(quarterImage(8, 8)), "t.dds"), 0);
}

TEST(BrokenImages, FailWithATextNamingTheFile)
{
    const auto cut = [](const std::string& _bytes, std::size_t _drop) { return _bytes.substr(0, _bytes.size() - _drop); };
    const std::string png = makePng(quarterImage(40, 40)), jng = makeJng(quarterImage(40, 40), true);
    std::string badChecksum = makeJng(quarterImage(8, 8), false), unknownDds = makeCompressedDds(quarterImage(4, 4), "DXT1");
    badChecksum[40] ^= 0x55;
    unknownDds[84 + 3] = '9';
    const std::string jngSignature = "\x8BJNG\r\n\x1A\n";
    const std::pair<const char*, std::string> cases[] = {{"empty", ""}, {"noise", "this is no picture at all"},
        {"truncated png", png.substr(0, png.size() / 2)}, {"truncated bmp", cut(makeBmp(quarterImage(40, 40)), 7)},
        {"truncated tga", cut(makeTga(quarterImage(40, 40)), 7)}, {"truncated jpeg", cut(makeJpeg(quarterImage(40, 40)), 40)},
        {"truncated jng", cut(jng, 20)}, {"jng with a bad checksum", badChecksum},
        {"jng around garbage", jngSignature + makeChunk("JHDR", std::string("\0\0\0\x08\0\0\0\x08\x0A\x08\x08\0\0\0\0\0", 16))
                + makeChunk("JDAT", "not a jpeg stream at all") + makeChunk("IEND", "")},
        {"jng of a huge size", jngSignature + makeChunk("JHDR", std::string("\0\x01\0\0\0\x01\0\0\x0A\x08\x08\0\0\0\0\0", 16))
                + makeChunk("IEND", "")},
        {"truncated dds", cut(makeCompressedDds(quarterImage(16, 16), "DXT5"), 1)}, {"dds of unknown compression", unknownDds}};
    for (const auto& c : cases)
        EXPECT_NE(String::npos, thrownText([&] { load(c.second, "Textures/broken.file"); }).find("Textures/broken.file"))
            << c.first;
}

// Every length short of what the header declares is refused before anything is decoded.
TEST(BrokenImages, ATgaShorterThanItsHeaderSaysIsRefused)
{
    for (std::size_t length : {3, 5, 12, 16, 17, 18, 22})
        EXPECT_THROW(load(bigTga().substr(0, length), "big.tga"), String) << length;
}

// The padding the texture adds is the texture tests' to see.
TEST(TextureFit, ImageScalesIntoItsPowerOfTwoTexture)
{
    const struct {
        UInt width, height, textureWidth, textureHeight;
        Float uScale, vScale, halfTexelU, halfTexelV;
    } cases[] = {{100, 50, 128, 64, 0.78125f, 0.78125f, 0.00390625f, 0.0078125f},
        {64, 32, 64, 32, 1.0f, 1.0f, 1.0f / 128, 1.0f / 64},
        {129, 1, 256, 1, 129.0f / 256, 1.0f, 1.0f / 512, 0.5f}};
    for (const auto& c : cases) {
        const sTextureFit fit = fitTexture(c.width, c.height);
        EXPECT_EQ(c.textureWidth, fit.textureWidth) << c.width;
        EXPECT_EQ(c.textureHeight, fit.textureHeight) << c.width;
        EXPECT_FLOAT_EQ(c.uScale, fit.uScale) << c.width;
        EXPECT_FLOAT_EQ(c.vScale, fit.vScale) << c.width;
        EXPECT_FLOAT_EQ(c.halfTexelU, fit.halfTexelU) << c.width;
        EXPECT_FLOAT_EQ(c.halfTexelV, fit.halfTexelV) << c.width;
    }
}
