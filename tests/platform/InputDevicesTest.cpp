#include "platform/sdl/InputDevices.h"

#include <gtest/gtest.h>

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

TEST(SdlInputDevices, KeyboardBuffersPressesButNotRepeats)
{
    sdl::cInputDevices devices;
    ASSERT_EQ(devices.getKeyboard().acquire(), eInputResult::ok);
    devices.handleEvent(key(SDL_SCANCODE_LALT, true));
    devices.handleEvent(key(SDL_SCANCODE_LALT, true, true));
    devices.handleEvent(key(SDL_SCANCODE_RETURN, true));
    std::uint8_t keys[INPUT_KEY_COUNT] = {};
    ASSERT_EQ(devices.getKeyboard().getState(keys), eInputResult::ok);
    EXPECT_EQ(keys[0x38], INPUT_DOWN);
    const std::vector<sInputRecord> records = readAll(devices.getKeyboard());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].offset, 0x38u);
    EXPECT_EQ(records[1].offset, 0x1Cu);
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

} // namespace
