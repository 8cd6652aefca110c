#pragma once
#include <cstdint>

// Keyboard and mouse as the input manager reads them: buffered events of one frame, a state
// read on demand, and acquisition that follows the window's focus. Records and offsets keep
// the numbers of the Windows devices the game was made for, since key bindings are stored
// as those numbers.

enum class eInputResult {
    ok,
    bufferOverflow, // events were lost; the records that were kept are still valid
    notAcquired,
    inputLost,
    failed,
};

inline bool isReadSuccess(eInputResult _result)
{
    return _result == eInputResult::ok || _result == eInputResult::bufferOverflow;
}

// One buffered event. For the keyboard the offset is the key code; for the mouse it is the
// offset of the object in the mouse state (see below). Bit INPUT_DOWN of data is set when a
// key or button went down.
struct sInputRecord {
    std::uint32_t offset = 0;
    std::uint32_t data = 0;
};

constexpr std::uint32_t INPUT_BUFFER_SIZE = 1024;
constexpr std::uint32_t INPUT_KEY_COUNT = 256;
constexpr std::uint32_t INPUT_DOWN = 0x80;

constexpr std::uint32_t MOUSE_OFFSET_X = 0;
constexpr std::uint32_t MOUSE_OFFSET_Y = 4;
constexpr std::uint32_t MOUSE_OFFSET_WHEEL = 8;
constexpr std::uint32_t MOUSE_OFFSET_BUTTON0 = 12;
constexpr std::uint32_t MOUSE_BUTTON_COUNT = 8;
// A wheel notch, in the units the game's scrolling expects.
constexpr std::int32_t MOUSE_WHEEL_NOTCH = 120;

// Movement since the last reading (relative units) and the buttons held (bit INPUT_DOWN).
struct sMouseState {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t wheel = 0;
    std::uint8_t buttons[MOUSE_BUTTON_COUNT] = {};
};

class iInputDevice {
public:
    virtual ~iInputDevice() = default;
    // Fails while the window does not have the focus.
    virtual eInputResult acquire() = 0;
    // Drops whatever was buffered.
    virtual eInputResult unacquire() = 0;
    // Moves up to _count buffered records, oldest first, into _records and sets _count to the
    // number moved. An unacquired device gives notAcquired and no records.
    virtual eInputResult read(sInputRecord* _records, std::uint32_t& _count) = 0;
};

class iKeyboardDevice : public iInputDevice {
public:
    // INPUT_KEY_COUNT bytes, one per key code, bit INPUT_DOWN set while the key is down.
    virtual eInputResult getState(std::uint8_t* _keys) = 0;
};

class iMouseDevice : public iInputDevice {
public:
    // The movement since the previous reading, which starts the next one.
    virtual eInputResult getState(sMouseState& _state) = 0;
    // An exclusive mouse is captured by the window and its cursor hidden.
    virtual eInputResult setExclusive(bool _exclusive) = 0;
};
