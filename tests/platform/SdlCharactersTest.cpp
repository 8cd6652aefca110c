#include "platform/sdl/SdlCharacters.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ControlCharacters, KeyPressTypesWhatWindowsTypes)
{
    // SDL's key codes of these keys are their ASCII codes; 0x40000058 is the keypad's Enter.
    const std::pair<Int, UInt16> cases[] = {
        {8, 8}, {9, 9}, {13, 13}, {27, 27}, {0x40000058, 13}, {'a', 0}, {' ', 0}, {127, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(sdl::getControlCharacter(c.first), c.second) << c.first;
}

std::vector<UInt16> units(const char* _utf8)
{
    std::vector<UInt16> result;
    sdl::appendUtf16(_utf8, result);
    return result;
}

TEST(TypedText, BeyondTheFirstPlaneTwoUnitsAndABrokenSequenceOneReplacement)
{
    const std::pair<const char*, std::vector<UInt16>> cases[] = {{"a\xD0\x96", {u'a', 0x0416}},
        {"\xF0\x9F\x8C\xBD", {0xD83C, 0xDF3D}}, {"\xE2\x82z", {0xFFFD, u'z'}}, {"\xFFq", {0xFFFD, u'q'}},
        {"\xC0\xAF", {0xFFFD}}, {"\xED\xA0\x80", {0xFFFD}}, {"x\xF0\x9F", {u'x', 0xFFFD}}};
    for (const auto& c : cases)
        EXPECT_EQ(units(c.first), c.second) << ::testing::PrintToString(std::string(c.first));
}

} // namespace
