#include "InputHarness.h"

#include <functional>

namespace {

// A view that a handler deletes: the handlers of other codes that it collected in the same
// frame must not reach it any more.
struct sGoneView {
    static bool deleted;
};
bool sGoneView::deleted = false;

void deleteTheView(cView*);

void touchTheView(cView* _view)
{
    EXPECT_FALSE(sGoneView::deleted) << "called for a view already deleted";
    note<'t'>(_view);
}

void touchByMouse(eControl, Long, cView* _view)
{
    touchTheView(_view);
}

// Every binding the deleted view had, as its destructor would remove them.
void unbindEverything(cView* _view)
{
    cInput& input = *cInput::getInstance();
    input.unbind(KEY_ESCAPE, touchTheView, _view);
    input.unbind(KEY_ESCAPE + CONTROL_KEY_PRESSED, touchTheView, _view);
    input.unbind(CONTROL_ANY, touchTheView, _view);
    input.unbind(CONTROL_BUTTON_RELEASED, touchTheView, _view);
    input.unbindMouse(touchByMouse, _view);
}

void deleteTheView(cView*)
{
    note<'d'>(nullptr);
    unbindEverything(fakeView(1));
    sGoneView::deleted = true;
}

void deleteByMouse(eControl, Long, cView* _view)
{
    deleteTheView(_view);
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
    sGoneView::deleted = false;
    GetParam().bind(*m_input);
    GetParam().events(m_keyboard, m_mouse);
    m_input->process();
    EXPECT_TRUE(sGoneView::deleted);
    EXPECT_EQ(journal(), (std::vector<sCall>{{"d", nullptr}}));
}

const sCase kCases[] = {
    {"later key event", [](cInput& _in) {
         _in.bind(KEY_ESCAPE + CONTROL_KEY_PRESSED, deleteTheView, fakeView(0));
         _in.bind(KEY_ESCAPE, touchTheView, fakeView(1));
     },
        [](headless::cInputKeyboard& _keys, headless::cInputMouse&) {
            _keys.push(KEY_ESCAPE, true);
            _keys.push(KEY_ESCAPE, false);
        }},
    {"every-event handler of the same event", [](cInput& _in) {
         _in.bind(KEY_ESCAPE, deleteTheView, fakeView(0));
         _in.bind(CONTROL_ANY, touchTheView, fakeView(1));
     },
        [](headless::cInputKeyboard& _keys, headless::cInputMouse&) { _keys.push(KEY_ESCAPE, false); }},
    {"button after key", [](cInput& _in) {
         _in.bind(KEY_ESCAPE, deleteTheView, fakeView(0));
         _in.bind(CONTROL_BUTTON_RELEASED, touchTheView, fakeView(1));
     },
        [](headless::cInputKeyboard& _keys, headless::cInputMouse& _mouse) {
            _keys.push(KEY_ESCAPE, false);
            _mouse.pushButton(0, false);
        }},
    {"movement after movement", [](cInput& _in) {
         _in.bindMouse(deleteByMouse, fakeView(0));
         _in.bindMouse(touchByMouse, fakeView(1));
     },
        [](headless::cInputKeyboard&, headless::cInputMouse& _mouse) { _mouse.move(0, 3); }},
};

INSTANTIATE_TEST_SUITE_P(Frames, UnboundHandler, ::testing::ValuesIn(kCases),
    [](const ::testing::TestParamInfo<sCase>& _info) { return "case" + std::to_string(_info.index); });

} // namespace
