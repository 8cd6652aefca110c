#include "InputHarness.h"

#include <functional>

namespace {

// fakeView(1) stands for a view that the first handler deletes, unbinding all it had: the
// calls collected for it in the same frame must not reach it any more.
bool s_deleted = false;

void touch(cView* _view)
{
    EXPECT_FALSE(s_deleted) << "called for a view already deleted";
    note<'t'>(_view);
}

void touchByMouse(eControl, Long, cView* _view)
{
    touch(_view);
}

void deleteTheView(cView*)
{
    note<'d'>(nullptr);
    cInput& input = *cInput::getInstance();
    for (eControl control : {KEY_ESCAPE, KEY_ESCAPE + CONTROL_KEY_PRESSED, CONTROL_ANY})
        input.unbind(control, touch, fakeView(1));
    input.unbindMouse(touchByMouse, fakeView(1));
    s_deleted = true;
}

struct sCase {
    const char* what;
    std::function<void(cInput&)> bind;
    std::function<void(headless::cInputKeyboard&, headless::cInputMouse&)> events;
};

void PrintTo(const sCase& _case, std::ostream* _out)
{
    *_out << _case.what;
}

class UnboundHandler : public InputTest, public ::testing::WithParamInterface<sCase> {};

TEST_P(UnboundHandler, IsNotCalledForEventsCollectedBeforeItWasUnbound)
{
    s_deleted = false;
    GetParam().bind(*m_input);
    GetParam().events(m_keyboard, m_mouse);
    m_input->process();
    EXPECT_EQ(journal(), (std::vector<sCall>{{"d", nullptr}}));
}

const sCase kCases[] = {
    {"later key event",
        [](cInput& _in) {
            _in.bind(KEY_ESCAPE + CONTROL_KEY_PRESSED, deleteTheView, fakeView(0));
            _in.bind(KEY_ESCAPE, touch, fakeView(1));
        },
        [](headless::cInputKeyboard& _keys, headless::cInputMouse&) {
            _keys.push(KEY_ESCAPE, true);
            _keys.push(KEY_ESCAPE, false);
        }},
    {"every-event handler of the same event",
        [](cInput& _in) {
            _in.bind(KEY_ESCAPE, deleteTheView, fakeView(0));
            _in.bind(CONTROL_ANY, touch, fakeView(1));
        },
        [](headless::cInputKeyboard& _keys, headless::cInputMouse&) { _keys.push(KEY_ESCAPE, false); }},
    {"movement",
        [](cInput& _in) {
            _in.bindMouse([](eControl, Long, cView* _view) { deleteTheView(_view); }, fakeView(0));
            _in.bindMouse(touchByMouse, fakeView(1));
        },
        [](headless::cInputKeyboard&, headless::cInputMouse& _mouse) { _mouse.move(0, 3); }},
};

INSTANTIATE_TEST_SUITE_P(Frames, UnboundHandler, ::testing::ValuesIn(kCases),
    [](const ::testing::TestParamInfo<sCase>& _info) { return "case" + std::to_string(_info.index); });

} // namespace
