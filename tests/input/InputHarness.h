#pragma once
#include "input/Input.h"
#include "platform/headless/InputKeyboard.h"
#include "platform/headless/InputMouse.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Handlers are plain functions, so what they saw goes to one shared journal.
struct sCall {
    std::string handler;
    cView* view;
    bool operator==(const sCall& _other) const { return handler == _other.handler && view == _other.view; }
};

inline std::vector<sCall>& journal()
{
    static std::vector<sCall> s_calls;
    return s_calls;
}

// Views are opaque to the input manager; any distinct addresses will do.
inline cView* fakeView(int _index)
{
    static char s_views[8];
    return reinterpret_cast<cView*>(&s_views[_index]);
}

template <char Name>
void note(cView* _view)
{
    journal().push_back({std::string(1, Name), _view});
}

inline std::ostream& operator<<(std::ostream& _out, const sCall& _call)
{
    return _out << _call.handler << "@" << static_cast<const void*>(_call.view);
}

class InputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        journal().clear();
        m_input = std::make_unique<cInput>(&m_keyboard, &m_mouse);
        m_input->acquireDevices();
    }

    // A key going down and up, with its state.
    void tap(std::uint32_t _code)
    {
        m_keyboard.push(_code, true);
        m_keyboard.push(_code, false);
    }

    headless::cInputKeyboard m_keyboard;
    headless::cInputMouse m_mouse;
    std::unique_ptr<cInput> m_input;
};
