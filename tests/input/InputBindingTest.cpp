#include "InputHarness.h"

#include "engine/ErrorStack.h"
#include "support/Thrown.h"

namespace {

const std::vector<sCall> kNone;

// The every-event handler hears keys and buttons, never movement or characters.
TEST_F(InputTest, EnterPressedAndReleasedInOneFrameCallsPressThenReleaseBeforeAnyButton)
{
    m_input->bind(KEY_RETURN + CONTROL_KEY_PRESSED, note<'p'>, nullptr);
    m_input->bind(KEY_RETURN, note<'r'>, nullptr);
    m_input->bind(CONTROL_ANY, note<'*'>, nullptr);
    m_input->bind(CONTROL_BUTTON_PRESSED, note<'m'>, nullptr);
    m_mouse.pushButton(0, true);
    m_mouse.pushButton(0, false);
    m_mouse.move(5, 5, 120);
    m_input->pushChar(u'a');
    tap(KEY_RETURN);
    m_input->process();
    const std::vector<sCall> expected = {{"p", nullptr}, {"*", nullptr}, {"r", nullptr}, {"*", nullptr},
        {"m", nullptr}, {"*", nullptr}, {"*", nullptr}};
    EXPECT_EQ(journal(), expected);
}

struct sButtonCase {
    std::uint32_t button;
    eControl pressed, released;
};

TEST_F(InputTest, MouseButtonsGivePressThenReleaseCodes)
{
    const sButtonCase cases[] = {{0, 0x208, 0x200}, {1, 0x209, 0x201}, {7, 0x20F, 0x207}};
    for (const sButtonCase& button : cases) {
        journal().clear();
        m_input->unbindAll();
        m_input->bind(button.pressed, note<'d'>, nullptr);
        m_input->bind(button.released, note<'u'>, nullptr);
        m_mouse.pushButton(button.button, true);
        m_mouse.pushButton(button.button, false);
        m_input->process();
        const std::vector<sCall> expected = {{"d", nullptr}, {"u", nullptr}};
        EXPECT_EQ(journal(), expected) << "button " << button.button;
    }
}

TEST_F(InputTest, BindingTwiceCallsOnceAndEachViewInBindingOrder)
{
    m_input->bind(KEY_ESCAPE, note<'e'>, fakeView(2));
    m_input->bind(KEY_ESCAPE, note<'e'>, fakeView(1));
    m_input->bind(KEY_ESCAPE, note<'e'>, fakeView(1));
    tap(KEY_ESCAPE);
    m_input->process();
    EXPECT_EQ(journal(), (std::vector<sCall>{{"e", fakeView(2)}, {"e", fakeView(1)}}));
    m_input->unbind(KEY_ESCAPE, note<'e'>, fakeView(1));
    journal().clear();
    tap(KEY_ESCAPE);
    m_input->process();
    EXPECT_EQ(journal(), (std::vector<sCall>{{"e", fakeView(2)}})) << "one unbind removes it";
}

TEST_F(InputTest, NullHandlersAndCodesOutOfRangeChangeNothing)
{
    m_input->bind(KEY_ESCAPE, nullptr, nullptr);
    m_input->unbind(KEY_ESCAPE, ControlHandler{nullptr, nullptr});
    m_input->bind(CONTROL_COUNT, note<'x'>, nullptr);
    m_input->bind(-1, note<'x'>, nullptr);
    m_input->unbind(0x400, note<'x'>, nullptr);
    m_input->unbindControl(0x1000);
    m_input->bindKeyboard(nullptr, nullptr);
    m_input->bindMouse(nullptr, nullptr);
    m_input->bind(CONTROL_ANY, note<'*'>, nullptr);
    m_keyboard.push(0x300, true);
    m_mouse.pushRecord(MOUSE_OFFSET_BUTTON0 + MOUSE_BUTTON_COUNT, true);
    m_mouse.pushRecord(MOUSE_OFFSET_X, true);
    m_mouse.move(3, 0);
    m_input->pushChar(u'a');
    m_input->process();
    EXPECT_EQ(journal(), kNone);
    EXPECT_FALSE(m_input->isKeyPresed(0x100));
    EXPECT_FALSE(m_input->isKeyPresed(-1));
}

void unbindSelf(cView* _view)
{
    note<'s'>(_view);
    cInput::getInstance()->unbind(KEY_ESCAPE + CONTROL_KEY_PRESSED, unbindSelf, _view);
    cInput::getInstance()->unbind(KEY_ESCAPE, unbindSelf, _view);
}

TEST_F(InputTest, HandlerUnbindingItselfHearsNothingMoreThatFrame)
{
    m_input->bind(KEY_ESCAPE + CONTROL_KEY_PRESSED, unbindSelf, nullptr);
    m_input->bind(KEY_ESCAPE, unbindSelf, nullptr);
    tap(KEY_ESCAPE);
    m_input->process();
    EXPECT_EQ(journal().size(), 1u) << "the release collected with the press is skipped";
    tap(KEY_ESCAPE);
    m_input->process();
    EXPECT_EQ(journal().size(), 1u) << "gone from the next frame";
}

void bindAnother(cView* _view)
{
    note<'b'>(_view);
    cInput::getInstance()->bind(KEY_ESCAPE, note<'n'>, _view);
}

TEST_F(InputTest, HandlerBoundDuringTheCallsStartsNextFrame)
{
    m_input->bind(KEY_ESCAPE, bindAnother, nullptr);
    tap(KEY_ESCAPE);
    tap(KEY_ESCAPE);
    m_input->process();
    EXPECT_EQ(journal(), (std::vector<sCall>{{"b", nullptr}, {"b", nullptr}}));
    journal().clear();
    tap(KEY_ESCAPE);
    m_input->process();
    EXPECT_EQ(journal(), (std::vector<sCall>{{"b", nullptr}, {"n", nullptr}}));
}

TEST_F(InputTest, UnbindAllKeepsCharacterAndMouseHandlers)
{
    m_input->bind(KEY_ESCAPE, note<'e'>, nullptr);
    m_input->bindKeyboard([](char16_t, cView* _view) { note<'c'>(_view); }, nullptr);
    m_input->bindMouse([](eControl, Long, cView* _view) { note<'m'>(_view); }, nullptr);
    m_input->unbindAll();
    tap(KEY_ESCAPE);
    m_input->pushChar(u'q');
    m_mouse.move(1, 0);
    m_input->process();
    EXPECT_EQ(journal(), (std::vector<sCall>{{"c", nullptr}, {"m", nullptr}}));
}

void failing(cView*)
{
    throw "handler failed";
}

TEST_F(InputTest, HandlerFailureNamesTheCallAndTheFrame)
{
    m_input->bind(KEY_ESCAPE, failing, nullptr);
    tap(KEY_ESCAPE);
    const String stack = thrownText([&] { m_input->process(); });
    EXPECT_EQ(stack.rfind("handler failed\nhandler.m_handler(handler.m_instance) \"", 0), 0u) << stack;
    EXPECT_NE(stack.find("Input.cpp\" "), String::npos) << stack;
    EXPECT_EQ(stack.substr(stack.rfind('\n')), "\nvoid cInput::process()");
}

} // namespace
