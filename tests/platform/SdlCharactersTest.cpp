#include "platform/sdl/SdlCharacters.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct sKeyCase {
    Int keycode;
    UInt16 character;
};

class ControlCharacters : public ::testing::TestWithParam<sKeyCase> {};

TEST_P(ControlCharacters, KeyPressTypesWhatWindowsTypes)
{
    EXPECT_EQ(sdl::getControlCharacter(GetParam().keycode), GetParam().character);
}

// SDL's key codes of these keys are their ASCII codes; 0x40000058 is the keypad's Enter.
INSTANTIATE_TEST_SUITE_P(Keys, ControlCharacters,
                         ::testing::Values(sKeyCase{8, 8}, sKeyCase{9, 9}, sKeyCase{13, 13}, sKeyCase{27, 27},
                                           sKeyCase{0x40000058, 13}, sKeyCase{'a', 0}, sKeyCase{' ', 0},
                                           sKeyCase{127, 0}));

std::vector<UInt16> units(const char* _utf8)
{
    std::vector<UInt16> result;
    sdl::appendUtf16(_utf8, result);
    return result;
}

TEST(TypedText, CharacterBeyondFirstPlaneIsTwoUnits)
{
    EXPECT_EQ(units("a\xD0\x96"), (std::vector<UInt16>{u'a', 0x0416}));
    // U+1F33D, an ear of corn.
    EXPECT_EQ(units("\xF0\x9F\x8C\xBD"), (std::vector<UInt16>{0xD83C, 0xDF3D}));
}

TEST(TypedText, BrokenSequenceBecomesOneReplacementAndTheRestSurvives)
{
    EXPECT_EQ(units("\xE2\x82z"), (std::vector<UInt16>{0xFFFD, u'z'}));
    EXPECT_EQ(units("\xFFq"), (std::vector<UInt16>{0xFFFD, u'q'}));
    EXPECT_EQ(units("\xC0\xAF"), (std::vector<UInt16>{0xFFFD})); // overlong '/'
    EXPECT_EQ(units("\xED\xA0\x80"), (std::vector<UInt16>{0xFFFD})); // a lone surrogate
    EXPECT_EQ(units("x\xF0\x9F"), (std::vector<UInt16>{u'x', 0xFFFD}));
}

} // namespace
