#include "input/Input.h"

#include "engine/logs/ErrorStack.h"
#include "input/KeyNames.h"

#include <algorithm>
#include <string>

namespace {

bool isValidControl(eControl _control)
{
    return _control >= 0 && _control < CONTROL_COUNT;
}

// A lost or released device gets its acquisition back at once; its events of this frame
// are gone either way, and a lost device is an everyday event (another program took the
// focus), not a reason to stop the game.
bool reacquireWhenNeeded(iInputDevice& _device, eInputResult _result)
{
    if (_result != eInputResult::notAcquired && _result != eInputResult::inputLost)
        return false;
    _device.acquire();
    return true;
}

// The keys that change what another key means (Alt+Enter): views that heard them go down wait
// for them to come up.
bool isModifierKey(std::size_t _key)
{
    static constexpr std::size_t MODIFIERS[] = {0x1D, 0x9D, 0x2A, 0x36, 0x38, 0xB8, 0xDB, 0xDC};
    return std::find(std::begin(MODIFIERS), std::end(MODIFIERS), _key) != std::end(MODIFIERS);
}

String statementSignature(const char* _statement, const char* _file, int _line)
{
    return String(_statement) + " \"" + _file + "\" " + std::to_string(_line);
}

} // namespace

// A failure inside the statement carries the statement, its file and its line.
#define GUARDED_STATEMENT(statement)                                                         \
    do {                                                                                     \
        try {                                                                                \
            statement;                                                                       \
        } catch (...) {                                                                      \
            rethrowWithSignature(statementSignature(#statement, __FILE__, __LINE__).c_str()); \
        }                                                                                    \
    } while (0)

cInput::cInput(iKeyboardDevice* _keyboard, iMouseDevice* _mouse) : m_keyboard(_keyboard), m_mouse(_mouse)
{
    GUARD_BEGIN
    m_chars.reserve(INPUT_BUFFER_SIZE);
    makeKeyNames();
    unbindAll();
    GUARD_END("cInput::cInput(HINSTANCE h_inst, HWND h_wnd)")
}

// The devices belong to the platform; nothing here can fail.
cInput::~cInput() = default;

Bool cInput::acquireDevices()
{
    GUARD_BEGIN
    // Both are always attempted, so a keyboard that fails does not leave the mouse dead.
    const bool keyboard = !m_keyboard || m_keyboard->acquire() == eInputResult::ok;
    const bool mouse = !m_mouse || m_mouse->acquire() == eInputResult::ok;
    return keyboard && mouse;
    GUARD_END("Bool cInput::acquireDevices()")
}

Bool cInput::unacquireDevices()
{
    GUARD_BEGIN
    const bool keyboard = !m_keyboard || m_keyboard->unacquire() == eInputResult::ok;
    const bool mouse = !m_mouse || m_mouse->unacquire() == eInputResult::ok;
    releaseHeld();
    return keyboard && mouse;
    GUARD_END("Bool cInput::unacquireDevices()")
}

// Keys held while the focus goes (Alt during Alt+Tab) come up where the game cannot see
// them; without their releases, views waiting for them (Alt+Enter) would stay armed. Other
// keys act on their release (Escape, Enter): one let go outside the game says nothing to it.
// Held buttons are owed theirs, marked, so a press ends without acting.
void cInput::releaseHeld()
{
    for (std::size_t key = 0; key < m_held_keys.size(); ++key)
        if (m_held_keys[key] && isModifierKey(key))
            m_owed_key_releases.push_back(eControl(key));
    for (std::size_t button = 0; button < m_held_buttons.size(); ++button)
        if (m_held_buttons[button])
            m_owed_button_releases.push_back(CONTROL_BUTTON_RELEASED + eControl(button));
    m_held_keys.reset();
    m_held_buttons.reset();
}

void cInput::bind(eControl _control, fHandler _handler, cView* _view)
{
    GUARD_BEGIN
    if (_handler && isValidControl(_control))
        m_controls[_control].add(_handler, _view);
    GUARD_END("void cInput::bind(eControl _control, fHandler _handler, cView* _view)")
}

void cInput::unbind(eControl _control, ControlHandler _handler)
{
    GUARD_BEGIN
    if (_handler.m_handler && isValidControl(_control))
        m_controls[_control].remove(_handler.m_handler, _handler.m_instance);
    GUARD_END("void cInput::unbind(eControl control, ControlHandler handler)")
}

void cInput::unbindControl(eControl _control)
{
    GUARD_BEGIN
    if (isValidControl(_control))
        m_controls[_control].clear();
    GUARD_END("void cInput::unbindControl(eControl _control)")
}

void cInput::unbindAll()
{
    GUARD_BEGIN
    for (tBindingSet<fHandler>& set : m_controls)
        set.clear();
    GUARD_END("void cInput::unbindAll()")
}

void cInput::bindKeyboard(fCharHandler _handler, cView* _view)
{
    GUARD_BEGIN
    if (_handler)
        m_char_handlers.add(_handler, _view);
    GUARD_END("void cInput::bindKeyboard(fCharHandler _handler, cView* _view)")
}

void cInput::unbindKeyboard()
{
    GUARD_BEGIN
    m_char_handlers.clear();
    GUARD_END("void cInput::unbindKeyboard()")
}

void cInput::unbindKeyboardHandler(fCharHandler _handler, cView* _view)
{
    m_char_handlers.remove(_handler, _view);
}

void cInput::bindMouse(fMouseHandler _handler, cView* _view)
{
    GUARD_BEGIN
    if (_handler)
        m_mouse_handlers.add(_handler, _view);
    GUARD_END("void cInput::bindMouse(fMouseHandler _handler, cView* _view)")
}

void cInput::unbindMouse(fMouseHandler _handler, cView* _view)
{
    GUARD_BEGIN
    m_mouse_handlers.remove(_handler, _view);
    GUARD_END("void cInput::unbindMouse(fMouseHandler _handler)")
}

void cInput::pushChar(char16_t _char)
{
    if (m_chars.size() < INPUT_BUFFER_SIZE)
        m_chars.push_back(_char);
}

void cInput::process()
{
    GUARD_BEGIN
    deliverCharacters();
    // Every call of the frame is collected before the first one is made, so a handler bound
    // by a handler waits for the next frame. One unbound meanwhile is skipped: its view may
    // be gone.
    std::vector<PendingCall> calls;
    m_delivered = -1;
    m_delivered_owed = false;
    collectKeyboard(calls);
    collectMouseButtons(calls);
    for (const PendingCall& call : calls)
        if (m_controls[call.bound].contains(call.handler.m_handler, call.handler.m_instance)) {
            m_delivered = call.event;
            m_delivered_owed = call.owed;
            callHandler(call.handler);
        }
    m_delivered = -1;
    m_delivered_owed = false;
    deliverMovement();
    m_key_states_valid = false;
    GUARD_END("void cInput::process()")
}

void cInput::callHandler(const ControlHandler& handler)
{
    GUARDED_STATEMENT(handler.m_handler(handler.m_instance));
}

// Walks a copy, so handlers may bind and unbind character handlers; one unbound during the
// walk gets no further characters, one bound during it starts with the next frame.
void cInput::deliverCharacters()
{
    const std::size_t count = m_chars.size();
    if (count > 0 && !m_char_handlers.empty()) {
        const std::vector<CharHandler> handlers = m_char_handlers.records();
        for (std::size_t index = 0; index < count; ++index)
            for (const CharHandler& handler : handlers)
                if (m_char_handlers.contains(handler.m_handler, handler.m_instance))
                    handler.m_handler(m_chars[index], handler.m_instance);
    }
    // Characters typed by a handler during the walk wait for the next frame.
    m_chars.erase(m_chars.begin(), m_chars.begin() + std::ptrdiff_t(count));
}

void cInput::collectControl(eControl _control, std::vector<PendingCall>& _calls, Bool _owed) const
{
    for (const ControlHandler& handler : m_controls[_control].records())
        _calls.push_back({_control, handler, _control, _owed});
    for (const ControlHandler& handler : m_controls[CONTROL_ANY].records())
        _calls.push_back({CONTROL_ANY, handler, _control, _owed});
}

void cInput::collectKeyboard(std::vector<PendingCall>& _calls)
{
    for (eControl control : m_owed_key_releases)
        collectControl(control, _calls, true);
    m_owed_key_releases.clear();
    if (!m_keyboard)
        return;
    std::uint32_t count = INPUT_BUFFER_SIZE;
    const eInputResult result = m_keyboard->read(m_keyboard_buffer.data(), count);
    if (reacquireWhenNeeded(*m_keyboard, result) || !isReadSuccess(result))
        return;
    count = std::min(count, INPUT_BUFFER_SIZE);
    for (std::uint32_t index = 0; index < count; ++index) {
        const sInputRecord& record = m_keyboard_buffer[index];
        if (record.offset >= INPUT_KEY_COUNT)
            continue;
        const bool down = (record.data & INPUT_DOWN) != 0;
        m_held_keys[record.offset] = down;
        collectControl(eControl(record.offset) + (down ? CONTROL_KEY_PRESSED : 0), _calls);
    }
}

void cInput::collectMouseButtons(std::vector<PendingCall>& _calls)
{
    for (eControl control : m_owed_button_releases)
        collectControl(control, _calls, true);
    m_owed_button_releases.clear();
    if (!m_mouse)
        return;
    std::uint32_t count = INPUT_BUFFER_SIZE;
    const eInputResult result = m_mouse->read(m_mouse_buffer.data(), count);
    if (reacquireWhenNeeded(*m_mouse, result) || !isReadSuccess(result))
        return;
    count = std::min(count, INPUT_BUFFER_SIZE);
    for (std::uint32_t index = 0; index < count; ++index) {
        const sInputRecord& record = m_mouse_buffer[index];
        // Movement records are skipped: movement comes from the state, once per frame.
        if (record.offset < MOUSE_OFFSET_BUTTON0 || record.offset >= MOUSE_OFFSET_BUTTON0 + MOUSE_BUTTON_COUNT)
            continue;
        const std::uint32_t button = record.offset - MOUSE_OFFSET_BUTTON0;
        const bool down = (record.data & INPUT_DOWN) != 0;
        m_held_buttons[button] = down;
        const eControl base = down ? CONTROL_BUTTON_PRESSED : CONTROL_BUTTON_RELEASED;
        collectControl(base + eControl(button), _calls);
    }
}

void cInput::deliverMovement()
{
    if (!m_mouse)
        return;
    sMouseState state;
    const eInputResult result = m_mouse->getState(state);
    if (reacquireWhenNeeded(*m_mouse, result) || result != eInputResult::ok || m_mouse_handlers.empty())
        return;
    // A handler unbound by an earlier call gets nothing more: its view may be gone.
    const std::vector<MouseHandler> handlers = m_mouse_handlers.records();
    const auto bound = [this](const MouseHandler& _handler) {
        return m_mouse_handlers.contains(_handler.m_handler, _handler.m_instance);
    };
    for (const MouseHandler& handler : handlers) {
        if (state.x != 0 && bound(handler))
            handler.m_handler(CONTROL_MOUSE_X, state.x, handler.m_instance);
        if (state.y != 0 && bound(handler))
            handler.m_handler(CONTROL_MOUSE_Y, state.y, handler.m_instance);
        if (state.wheel != 0 && bound(handler))
            handler.m_handler(CONTROL_MOUSE_WHEEL, state.wheel, handler.m_instance);
    }
}

Bool cInput::isKeyPresed(eControl _key)
{
    GUARD_BEGIN
    if (_key < 0 || _key >= eControl(INPUT_KEY_COUNT))
        return false;
    if (!m_key_states_valid)
        getKeyboardStates();
    return (m_key_states[_key] & INPUT_DOWN) != 0;
    GUARD_END("Bool cInput::isKeyPresed(eControl key)")
}

// A failed reading leaves every key up.
void cInput::getKeyboardStates()
{
    GUARD_BEGIN
    m_key_states.fill(0);
    if (m_keyboard && m_keyboard->getState(m_key_states.data()) != eInputResult::ok)
        m_key_states.fill(0);
    m_key_states_valid = true;
    GUARD_END("void cInput::getKeyboardStates()")
}

const String& cInput::getKeyName(eControl _control)
{
    return m_key_names[_control];
}

void cInput::exclusiveMouse(Bool _val)
{
    GUARD_BEGIN
    if (_val == m_exclusive_mouse)
        return;
    m_exclusive_mouse = _val;
    if (!m_mouse)
        return;
    m_mouse->unacquire();
    m_mouse->setExclusive(_val);
    m_mouse->acquire();
    GUARD_END("void cInput::exclusiveMouse(Bool _val)")
}

void cInput::makeKeyNames()
{
    GUARD_BEGIN
    for (const sKeyName& name : getKeyNameTable())
        m_key_names[name.code] = name.name;
    GUARD_END("void cInput::makeKeyNames()")
}
