#include "platform/sdl/InputDevices.h"
#include "platform/sdl/InputMapping.h"
#include "platform/sdl/SdlCharacters.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

SDL_Event key(SDL_Scancode _scancode, bool _down, bool _repeat = false)
{
    SDL_Event event{};
    event.type = _down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = _down ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = _repeat ? 1 : 0;
    event.key.keysym.scancode = _scancode;
    return event;
}

SDL_Event focus(bool _gained)
{
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = _gained ? SDL_WINDOWEVENT_FOCUS_GAINED : SDL_WINDOWEVENT_FOCUS_LOST;
    return event;
}

std::vector<sInputRecord> readAll(iInputDevice& _device, eInputResult* _result = nullptr)
{
    std::vector<sInputRecord> records(INPUT_BUFFER_SIZE);
    std::uint32_t count = INPUT_BUFFER_SIZE;
    const eInputResult result = _device.read(records.data(), count);
    if (_result)
        *_result = result;
    records.resize(count);
    return records;
}

// The keyboard's records go through the key mapping below.
TEST(SdlInputDevices, KeyboardBuffersPressesAndReleasesButNotRepeatsOrUnmappedKeys)
{
    sdl::cInputDevices devices;
    ASSERT_EQ(devices.getKeyboard().acquire(), eInputResult::ok);
    devices.handleEvent(key(SDL_SCANCODE_LALT, true));
    devices.handleEvent(key(SDL_SCANCODE_LALT, true, true));
    devices.handleEvent(key(SDL_SCANCODE_F20, true));
    devices.handleEvent(key(SDL_SCANCODE_RETURN, true));
    devices.handleEvent(key(SDL_SCANCODE_RETURN, false));
    std::uint8_t keys[INPUT_KEY_COUNT] = {};
    ASSERT_EQ(devices.getKeyboard().getState(keys), eInputResult::ok);
    EXPECT_EQ(keys[0x38], INPUT_DOWN);
    const std::vector<sInputRecord> records = readAll(devices.getKeyboard());
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(std::make_pair(records[0].offset, records[0].data), std::make_pair(0x38u, INPUT_DOWN));
    EXPECT_EQ(std::make_pair(records[1].offset, records[1].data), std::make_pair(0x1Cu, INPUT_DOWN));
    EXPECT_EQ(std::make_pair(records[2].offset, records[2].data), std::make_pair(0x1Cu, 0u));
}

TEST(SdlInputDevices, NothingIsKeptWhileUnacquiredAndAcquisitionFollowsTheFocus)
{
    sdl::cInputDevices devices;
    devices.handleEvent(key(SDL_SCANCODE_A, true));
    eInputResult result = eInputResult::ok;
    EXPECT_TRUE(readAll(devices.getKeyboard(), &result).empty());
    EXPECT_EQ(result, eInputResult::notAcquired);
    devices.getKeyboard().acquire();
    devices.getMouse().acquire();
    EXPECT_TRUE(readAll(devices.getKeyboard()).empty()) << "what came before acquisition is gone";
    devices.handleEvent(key(SDL_SCANCODE_A, true));
    devices.handleEvent(focus(false));
    EXPECT_TRUE(readAll(devices.getKeyboard(), &result).empty());
    EXPECT_EQ(result, eInputResult::notAcquired);
    EXPECT_EQ(readAll(devices.getMouse(), &result).size(), 0u);
    EXPECT_EQ(result, eInputResult::notAcquired);
    EXPECT_NE(devices.getKeyboard().acquire(), eInputResult::ok);
    EXPECT_NE(devices.getMouse().acquire(), eInputResult::ok);
    devices.handleEvent(focus(true));
    EXPECT_EQ(devices.getKeyboard().acquire(), eInputResult::ok);
    EXPECT_EQ(devices.getMouse().acquire(), eInputResult::ok);
}

// The mouse's records and state go through the button and wheel mapping below.
TEST(SdlInputDevices, MouseAddsUpMovementUntilRead)
{
    sdl::cInputDevices devices;
    devices.getMouse().acquire();
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.xrel = 3;
    event.motion.yrel = -1;
    devices.handleEvent(event);
    devices.handleEvent(event);
    event = SDL_Event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.y = 1;
    devices.handleEvent(event);
    event = SDL_Event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = SDL_BUTTON_MIDDLE;
    event.button.state = SDL_PRESSED;
    devices.handleEvent(event);

    sMouseState state;
    ASSERT_EQ(devices.getMouse().getState(state), eInputResult::ok);
    EXPECT_EQ(state.x, 6);
    EXPECT_EQ(state.y, -2);
    EXPECT_EQ(state.wheel, MOUSE_WHEEL_NOTCH);
    EXPECT_EQ(state.buttons[2], INPUT_DOWN);
    ASSERT_EQ(devices.getMouse().getState(state), eInputResult::ok);
    EXPECT_EQ(state.x, 0) << "a reading starts the next one";
    const std::vector<sInputRecord> records = readAll(devices.getMouse());
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].offset, MOUSE_OFFSET_BUTTON0 + 2);
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

TEST(InputMapping, ButtonsAndWheelNotchesInWindowsOrderAndUnits)
{
    const std::pair<int, int> cases[] = {{SDL_BUTTON_LEFT, 0}, {SDL_BUTTON_RIGHT, 1}, {SDL_BUTTON_MIDDLE, 2},
                                         {SDL_BUTTON_X1, 3},   {SDL_BUTTON_X2, 4},    {8, 7}, {9, -1}, {0, -1}};
    for (const auto& button : cases)
        EXPECT_EQ(sdl::mouseButtonIndex(std::uint8_t(button.first)), button.second) << button.first;
    SDL_MouseWheelEvent wheel{};
    wheel.y = 2;
    EXPECT_EQ(sdl::wheelUnits(wheel), 240);
    wheel.y = -1;
    EXPECT_EQ(sdl::wheelUnits(wheel), -120);
    wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
    EXPECT_EQ(sdl::wheelUnits(wheel), 120);
}

TEST(ControlCharacters, KeyPressTypesWhatWindowsTypes)
{
    // SDL's key codes of these keys are their ASCII codes; 0x40000058 is the keypad's Enter.
    const std::pair<Int, UInt16> cases[] = {
        {8, 8}, {9, 9}, {13, 13}, {27, 27}, {0x40000058, 13}, {'a', 0}, {' ', 0}, {127, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(sdl::getControlCharacter(c.first), c.second) << c.first;
}

TEST(TypedText, BeyondTheFirstPlaneTwoUnitsAndABrokenSequenceOneReplacement)
{
    const std::pair<const char*, std::vector<UInt16>> cases[] = {{"a\xD0\x96", {u'a', 0x0416}},
        {"\xF0\x9F\x8C\xBD", {0xD83C, 0xDF3D}}, {"\xE2\x82z", {0xFFFD, u'z'}}, {"\xFFq", {0xFFFD, u'q'}},
        {"\xC0\xAF", {0xFFFD}}, {"\xED\xA0\x80", {0xFFFD}}, {"x\xF0\x9F", {u'x', 0xFFFD}}};
    for (const auto& c : cases) {
        std::vector<UInt16> units;
        sdl::appendUtf16(c.first, units);
        EXPECT_EQ(units, c.second) << ::testing::PrintToString(std::string(c.first));
    }
}

} // namespace
