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

TEST(FontFileReading, WhatIsWrittenReadsBack)
{
    sFontFile font;
    font.ranges = {{0x20, 0x21, 0}, {0x410, 0x410, 2}, {5, 1, 60000}};
    font.glyphs = {{0, 1, 0.1f, 0.9f, 0.05f}, {0.2f, 0.8f, 0.3f, 0.7f, 0.125f}, {1, 1, 1, 1, 1}};
    sFontFile back;
    ASSERT_TRUE(readFontFile(back, writeFontFile(font).data(), writeFontFile(font).size()));
    ASSERT_EQ(back.ranges.size(), 3u);
    EXPECT_EQ(back.ranges[1].first, 0x410);
    EXPECT_EQ(back.ranges[2].firstGlyph, 60000) << "a range that never matches is kept";
    ASSERT_EQ(back.glyphs.size(), 3u);
    EXPECT_EQ(back.glyphs[1].advance, 0.125f);
    EXPECT_EQ(back.glyphs[0].right, 0.1f);
}

TEST(FontFileReading, NullBufferIsNotAFont)
{
    sFontFile font;
    EXPECT_FALSE(readFontFile(font, nullptr, 100));
}

} // namespace
