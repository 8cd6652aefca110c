#include "graphics/FontFile.h"

#include <gtest/gtest.h>

namespace {

TEST(FontFileWriting, LittleEndianPackedLayout)
{
    sFontFile font;
    font.ranges.push_back({0x0041, 0x0042, 0x0001});
    font.glyphs.push_back({0.5f, 1.0f, 0.25f, 0.0f, -2.0f});
    const String expected("tnof"
                          "\x01\x00\x00\x00"
                          "\x41\x00\x42\x00\x01\x00"
                          "\x01\x00\x00\x00"
                          "\x00\x00\x00\x3F"
                          "\x00\x00\x80\x3F"
                          "\x00\x00\x80\x3E"
                          "\x00\x00\x00\x00"
                          "\x00\x00\x00\xC0",
        4 + 4 + 6 + 4 + 20);
    EXPECT_EQ(writeFontFile(font), expected);
}

} // namespace
