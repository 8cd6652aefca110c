#include "platform/sdl/InputMapping.h"
#include "platform/sdl/SdlCharacters.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

namespace {

SDL_KeyboardEvent keyEvent(SDL_Scancode _scancode, bool _down, bool _repeat = false, Uint16 _mod = KMOD_NONE)
{
    SDL_KeyboardEvent event{};
    event.type = _down ? SDL_KEYDOWN : SDL_KEYUP;
    event.state = _down ? SDL_PRESSED : SDL_RELEASED;
    event.repeat = _repeat ? 1 : 0;
    event.keysym.scancode = _scancode;
    event.keysym.mod = _mod;
    return event;
}

TEST(InputMapping, EachScancodeOfTheTableGivesItsKeyCodeAndIsUsedOnce)
{
    std::set<int> scancodes;
    for (const sdl::sKeyMapping& mapping : sdl::getKeyMappingTable()) {
        if (mapping.scancode == SDL_SCANCODE_UNKNOWN)
            continue;
        EXPECT_TRUE(scancodes.insert(mapping.scancode).second) << mapping.scancode;
        EXPECT_EQ(sdl::keyCodeForScancode(SDL_Scancode(mapping.scancode)), mapping.code) << mapping.scancode;
    }
    for (SDL_Scancode unmapped : {SDL_SCANCODE_F16, SDL_SCANCODE_UNKNOWN, SDL_Scancode(SDL_NUM_SCANCODES)})
        EXPECT_EQ(sdl::keyCodeForScancode(unmapped), 0u) << unmapped;
}

TEST(InputMapping, KeyRecordsCarryTheDownBitAndDropRepeats)
{
    sInputRecord record;
    ASSERT_TRUE(sdl::keyRecordFor(keyEvent(SDL_SCANCODE_RETURN, true), record));
    EXPECT_EQ(std::make_pair(record.offset, record.data), std::make_pair(0x1Cu, INPUT_DOWN));
    ASSERT_TRUE(sdl::keyRecordFor(keyEvent(SDL_SCANCODE_RETURN, false), record));
    EXPECT_EQ(record.data, 0u);
    EXPECT_FALSE(sdl::keyRecordFor(keyEvent(SDL_SCANCODE_RETURN, true, true), record));
    EXPECT_FALSE(sdl::keyRecordFor(keyEvent(SDL_SCANCODE_F20, true), record));
}

TEST(InputMapping, ButtonsInWindowsOrder)
{
    const std::pair<int, int> cases[] = {{SDL_BUTTON_LEFT, 0}, {SDL_BUTTON_RIGHT, 1}, {SDL_BUTTON_MIDDLE, 2},
                                         {SDL_BUTTON_X1, 3},   {SDL_BUTTON_X2, 4},    {8, 7}, {9, -1}, {0, -1}};
    for (const auto& button : cases)
        EXPECT_EQ(sdl::mouseButtonIndex(std::uint8_t(button.first)), button.second) << button.first;
    SDL_MouseButtonEvent event{};
    event.button = SDL_BUTTON_RIGHT;
    event.state = SDL_PRESSED;
    sInputRecord record;
    ASSERT_TRUE(sdl::buttonRecordFor(event, record));
    EXPECT_EQ(record.offset, MOUSE_OFFSET_BUTTON0 + 1);
    EXPECT_EQ(record.data, INPUT_DOWN);
}

TEST(InputMapping, WheelNotchesInWindowsUnits)
{
    SDL_MouseWheelEvent event{};
    event.y = 2;
    EXPECT_EQ(sdl::wheelUnits(event), 240);
    event.y = -1;
    EXPECT_EQ(sdl::wheelUnits(event), -120);
    event.direction = SDL_MOUSEWHEEL_FLIPPED;
    EXPECT_EQ(sdl::wheelUnits(event), 120);
}

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
