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
    EXPECT_EQ(record.offset, 0x1Cu);
    EXPECT_EQ(record.data, INPUT_DOWN);
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

TEST(InputMapping, Utf8BecomesUtf16)
{
    const std::pair<const char*, std::u16string> cases[] = {
        {"Fw", u"Fw"},
        {"\xD0\xB6\xE2\x82\xAC", u"\u0436\u20AC"},
        {"\xF0\x9F\x98\x80", u"\xD83D\xDE00"},
        {"\xC0\x80", u"\xFFFD\xFFFD"},         // overlong
        {"\xE2\x82", u"\xFFFD\xFFFD"},         // cut short
        {"\xED\xA0\x80", u"\xFFFD\xFFFD\xFFFD"}, // a surrogate
        {"\xF4\x90\x80\x80z", u"\xFFFD\xFFFD\xFFFD\xFFFDz"}, // beyond U+10FFFF
        {"", u""},
    };
    for (const auto& text : cases)
        EXPECT_EQ(sdl::utf8ToUtf16(text.first), text.second) << text.first;
    EXPECT_EQ(sdl::utf8ToUtf16(nullptr), u"");
}

TEST(InputMapping, KeyPressesTypeTheControlCharacters)
{
    SDL_Event event{};
    event.key = keyEvent(SDL_SCANCODE_BACKSPACE, true);
    EXPECT_EQ(sdl::typedCharacters(event), u"\b");
    event.key = keyEvent(SDL_SCANCODE_BACKSPACE, true, true);
    EXPECT_EQ(sdl::typedCharacters(event), u"\b") << "held Backspace repeats, as typing does";
    event.key = keyEvent(SDL_SCANCODE_BACKSPACE, false);
    EXPECT_EQ(sdl::typedCharacters(event), u"");
    event.key = keyEvent(SDL_SCANCODE_RETURN, true, false, KMOD_LALT);
    EXPECT_EQ(sdl::typedCharacters(event), u"") << "Alt+Enter is a command";
    const std::pair<SDL_Scancode, char16_t> keys[] = {
        {SDL_SCANCODE_TAB, 9}, {SDL_SCANCODE_RETURN, 13}, {SDL_SCANCODE_KP_ENTER, 13}, {SDL_SCANCODE_ESCAPE, 27},
        {SDL_SCANCODE_A, 0}};
    for (const auto& key : keys)
        EXPECT_EQ(sdl::controlCharacterFor(keyEvent(key.first, true)), key.second) << key.first;
}

TEST(InputMapping, TextInputTypesItsCharacters)
{
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    std::strcpy(event.text.text, "\xD1\x8F!");
    EXPECT_EQ(sdl::typedCharacters(event), u"\u044F!");
}

} // namespace
