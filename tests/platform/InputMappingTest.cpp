#include "platform/sdl/InputMapping.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

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

TEST(InputMapping, TableNamesEveryKeyCodeAndUsesEachScancodeOnce)
{
    std::set<std::uint32_t> codes;
    std::set<int> scancodes;
    for (const sdl::sKeyMapping& mapping : sdl::getKeyMappingTable()) {
        codes.insert(mapping.code);
        if (mapping.scancode != SDL_SCANCODE_UNKNOWN) {
            EXPECT_TRUE(scancodes.insert(mapping.scancode).second) << mapping.scancode;
        }
    }
    EXPECT_EQ(codes.size(), 144u);
    EXPECT_EQ(*codes.rbegin(), 0xEDu);
}

struct sScancodeCase {
    SDL_Scancode scancode;
    std::uint32_t code;
};

TEST(InputMapping, ScancodesGiveWindowsKeyCodes)
{
    const sScancodeCase cases[] = {
        {SDL_SCANCODE_ESCAPE, 0x01},   {SDL_SCANCODE_RETURN, 0x1C},    {SDL_SCANCODE_KP_ENTER, 0x9C},
        {SDL_SCANCODE_SPACE, 0x39},    {SDL_SCANCODE_L, 0x26},         {SDL_SCANCODE_LALT, 0x38},
        {SDL_SCANCODE_RALT, 0xB8},     {SDL_SCANCODE_RCTRL, 0x9D},     {SDL_SCANCODE_KP_DIVIDE, 0xB5},
        {SDL_SCANCODE_UP, 0xC8},       {SDL_SCANCODE_DELETE, 0xD3},    {SDL_SCANCODE_PRINTSCREEN, 0xB7},
        {SDL_SCANCODE_NONUSHASH, 0x2B}, {SDL_SCANCODE_F15, 0x66},      {SDL_SCANCODE_F16, 0},
        {SDL_SCANCODE_UNKNOWN, 0},     {SDL_Scancode(SDL_NUM_SCANCODES), 0},
    };
    for (const sScancodeCase& key : cases)
        EXPECT_EQ(sdl::keyCodeForScancode(key.scancode), key.code) << key.scancode;
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

} // namespace
