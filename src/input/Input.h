#pragma once
#include "engine/Singleton.h"
#include "input/BindingSet.h"
#include "platform/devices/InputDevice.h"

#include <array>
#include <bitset>
#include <map>
#include <utility>
#include <vector>

// Turns keyboard and mouse events into control codes and calls the handlers views bound to
// them, once per frame, before any view is processed. Typed characters, queued by the
// window between frames, go to the character handlers; movement and wheel to the mouse
// handlers.
class cInput : public cSingleton<cInput> {
public:
    // Either device may be null (absent). The devices are borrowed: they belong to the
    // platform, which outlives the input manager.
    cInput(iKeyboardDevice* _keyboard, iMouseDevice* _mouse);
    ~cInput() override;

    virtual void bind(eControl _control, fHandler _handler, cView* _view);
    virtual void unbind(eControl _control, ControlHandler _handler);
    void unbind(eControl _control, fHandler _handler, cView* _view) { unbind(_control, ControlHandler{_handler, _view}); }
    virtual void unbindControl(eControl _control);
    // Every control code; character and mouse handlers stay.
    virtual void unbindAll();
    virtual void bindKeyboard(fCharHandler _handler, cView* _view);
    virtual void unbindKeyboard();
    virtual void unbindKeyboardHandler(fCharHandler _handler, cView* _view);
    virtual void bindMouse(fMouseHandler _handler, cView* _view);
    virtual void unbindMouse(fMouseHandler _handler, cView* _view);
    // A character typed since the last frame; dropped when INPUT_BUFFER_SIZE are waiting.
    virtual void pushChar(char16_t _char);
    // One frame of input: characters, key events, button events, movement.
    virtual void process();
    // Read from the keyboard at most once per frame, and only when asked.
    virtual Bool isKeyPresed(eControl _key);
    // A code without a name gets an empty one.
    virtual const String& getKeyName(eControl _control);
    // The key or button event whose handlers are being called, so a CONTROL_ANY handler can
    // tell a press from a release; -1 outside those calls.
    eControl getDeliveredControl() const { return m_delivered; }
    // The release being delivered is one owed for a key or button held when the focus went:
    // the player let go outside the game, so it ends a press without acting on it.
    Bool isOwedRelease() const { return m_delivered_owed; }
    virtual Bool isExclusiveMouse() { return m_exclusive_mouse; }
    virtual void exclusiveMouse(Bool _val);

    // The window calls these as it gains and loses the focus. Absent devices are skipped.
    Bool acquireDevices();
    Bool unacquireDevices();

private:
    void getKeyboardStates();
    void makeKeyNames();
    // A collected call: the handler and the code whose binding it was called for.
    struct PendingCall {
        eControl bound;
        ControlHandler handler;
        // The key or button event itself, also when the binding is CONTROL_ANY.
        eControl event;
        Bool owed;
    };
    void collectKeyboard(std::vector<PendingCall>& _calls);
    void collectMouseButtons(std::vector<PendingCall>& _calls);
    void collectControl(eControl _control, std::vector<PendingCall>& _calls, Bool _owed = false) const;
    static void callHandler(const ControlHandler& _handler);
    void deliverCharacters();
    void deliverMovement();
    void releaseHeld();

    iKeyboardDevice* m_keyboard;
    iMouseDevice* m_mouse;
    std::array<sInputRecord, INPUT_BUFFER_SIZE> m_keyboard_buffer{};
    std::array<sInputRecord, INPUT_BUFFER_SIZE> m_mouse_buffer{};
    std::vector<char16_t> m_chars;
    std::array<tBindingSet<fHandler>, CONTROL_COUNT> m_controls;
    tBindingSet<fMouseHandler> m_mouse_handlers;
    tBindingSet<fCharHandler> m_char_handlers;
    std::array<std::uint8_t, INPUT_KEY_COUNT> m_key_states{};
    Bool m_key_states_valid = false;
    std::map<eControl, String> m_key_names;
    Bool m_exclusive_mouse = false;
    eControl m_delivered = -1;
    Bool m_delivered_owed = false;

    // What the delivered events left held down, and the releases owed for them once the
    // devices are given up: the window never sees those keys come up.
    std::bitset<INPUT_KEY_COUNT> m_held_keys;
    std::bitset<MOUSE_BUTTON_COUNT> m_held_buttons;
    std::vector<eControl> m_owed_key_releases;
    std::vector<eControl> m_owed_button_releases;
};
