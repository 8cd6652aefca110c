#include "support/ImageFixtures.h"
#include "platform/ImageLoader.h"

#include <gtest/gtest.h>

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

} // namespace

TEST(JngImages, OneAndOddSizedImagesKeepTheirSizeAndColours)
{
    const sImage one = load(makeJng(makeImage(1, 1, [](UInt, UInt) { return 0xFF00FF00u; }), false));
    ASSERT_EQ(1u, one.width);
    ASSERT_EQ(1u, one.height);
    EXPECT_LE(channelDistance(0xFF00FF00u, one.pixels[0]), 8);
    const sImage odd = load(makeJng(quarterImage(129, 64), false));
    ASSERT_EQ(129u, odd.width);
    ASSERT_EQ(64u, odd.height);
    expectQuarterCentres(odd, 8);
}

TEST(JngImages, AlphaChannelIsExact)
{
    const sImage source = makeImage(8, 4, [](UInt x, UInt y) { return UInt(x * 32 + y) << 24 | 0x808080u; });
    const sImage image = load(makeJng(source, true));
    ASSERT_EQ(8u, image.width);
    for (UInt y = 0; y < 4; ++y)
        for (UInt x = 0; x < 8; ++x)
            EXPECT_EQ(source.at(x, y) >> 24, image.at(x, y) >> 24) << x << "," << y;
}

TEST(JngImages, SignatureDecidesWhateverTheName)
{
    const std::string jng = makeJng(quarterImage(16, 16), false);
    EXPECT_TRUE(isJngImage(jng.data(), jng.size()));
    EXPECT_EQ(16u, load(jng, "picture.png").width);
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

TEST(JpegImages, DecodeCloseToTheSource)
{
    expectQuarterCentres(load(makeJpeg(quarterImage(32, 32))), 8);
}

struct sBrokenCase {
    const char* name;
    std::string (*bytes)();
};

class BrokenImages : public testing::TestWithParam<sBrokenCase> {};

TEST_P(BrokenImages, FailWithATextNamingTheFile)
{
    const std::string bytes = GetParam().bytes();
    try {
        load(bytes, "Textures/broken.file");
        FAIL() << "no error";
    } catch (const String& error) {
        EXPECT_NE(String::npos, error.find("Textures/broken.file")) << error;
    }
}

std::string truncate(const std::string& _bytes, std::size_t _keep)
{
    return _bytes.substr(0, _keep);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BrokenImages,
    testing::Values(
        sBrokenCase{"empty", [] { return std::string(); }},
        sBrokenCase{"noise", [] { return std::string("this is no picture at all"); }},
        sBrokenCase{"truncated_png", [] { const std::string p = makePng(quarterImage(40, 40)); return truncate(p, p.size() / 2); }},
        sBrokenCase{"truncated_bmp", [] { const std::string b = makeBmp(quarterImage(40, 40)); return truncate(b, b.size() - 7); }},
        sBrokenCase{"truncated_tga", [] { const std::string t = makeTga(quarterImage(40, 40)); return truncate(t, t.size() - 7); }},
        sBrokenCase{"truncated_jpeg", [] { const std::string j = makeJpeg(quarterImage(40, 40)); return truncate(j, j.size() - 40); }},
        sBrokenCase{"truncated_jng", [] { const std::string j = makeJng(quarterImage(40, 40), true); return truncate(j, j.size() - 20); }},
        sBrokenCase{"jng_bad_checksum",
                    [] { std::string j = makeJng(quarterImage(8, 8), false); j[40] ^= 0x55; return j; }},
        sBrokenCase{"jng_garbage_jpeg",
                    [] {
                        const std::string header = std::string("\0\0\0\x08\0\0\0\x08\x0A\x08\x08\0\0\0\0\0", 16);
                        return "\x8BJNG\r\n\x1A\n" + makeChunk("JHDR", header) +
                               makeChunk("JDAT", "not a jpeg stream at all") + makeChunk("IEND", "");
                    }},
        sBrokenCase{"jng_huge_header",
                    [] {
                        const std::string header = std::string("\0\x01\0\0\0\x01\0\0\x0A\x08\x08\0\0\0\0\0", 16);
                        return "\x8BJNG\r\n\x1A\n" + makeChunk("JHDR", header) + makeChunk("IEND", "");
                    }},
        sBrokenCase{"truncated_dds",
                    [] { const std::string d = makeCompressedDds(quarterImage(16, 16), "DXT5"); return truncate(d, d.size() - 1); }},
        sBrokenCase{"dds_unknown_compression",
                    [] { std::string d = makeCompressedDds(quarterImage(4, 4), "DXT1"); d[84 + 3] = '9'; return d; }}),
    [](const testing::TestParamInfo<sBrokenCase>& _info) { return _info.param.name; });

