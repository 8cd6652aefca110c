#include "engine/logs/ErrorStack.h"
#include "input/Input.h"
#include "input/KeyNames.h"
#include "platform/headless/InputKeyboard.h"
#include "platform/headless/InputMouse.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Handlers are plain functions, so what they saw goes to one shared journal (movement as
// "axis:delta").
struct sCall {
    std::string handler;
    cView* view;
    bool operator==(const sCall& _other) const { return handler == _other.handler && view == _other.view; }
};

std::vector<sCall>& journal()
{
    static std::vector<sCall> s_calls;
    return s_calls;
}

// Views are opaque to the input manager; any distinct addresses will do.
cView* fakeView(int _index)
{
    static char s_views[8];
    return reinterpret_cast<cView*>(&s_views[_index]);
}

std::u16string& typed()
{
    static std::u16string s_typed;
    return s_typed;
}

template <char Name>
void note(cView* _view)
{
    journal().push_back({std::string(1, Name), _view});
}

std::ostream& operator<<(std::ostream& _out, const sCall& _call)
{
    return _out << _call.handler << "@" << static_cast<const void*>(_call.view);
}

class InputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        journal().clear();
        typed().clear();
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

TEST_F(InputTest, MouseButtonsGivePressThenReleaseCodes)
{
    const struct {
        std::uint32_t button;
        eControl pressed, released;
    } cases[] = {{0, 0x208, 0x200}, {1, 0x209, 0x201}, {7, 0x20F, 0x207}};
    for (const auto& button : cases) {
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
    EXPECT_TRUE(journal().empty());
    EXPECT_FALSE(m_input->isKeyPresed(0x100));
    EXPECT_FALSE(m_input->isKeyPresed(-1));
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

void type(char16_t _char, cView*)
{
    typed().push_back(_char);
}

void typeTwice(char16_t _char, cView*)
{
    typed().push_back(_char);
    typed().push_back(_char);
}

void unbindTwice(char16_t _char, cView* _view)
{
    type(_char, _view);
    cInput::getInstance()->unbindKeyboardHandler(typeTwice, nullptr);
}

TEST_F(InputTest, AtMost1024CharactersWaitForAFrameAndOnlyForAHandler)
{
    m_input->pushChar(u'x');
    m_input->process();
    m_input->bindKeyboard(type, nullptr);
    std::u16string sent;
    for (int index = 0; index < 1030; ++index) {
        sent.push_back(char16_t(u'a' + index % 26));
        m_input->pushChar(sent.back());
    }
    m_input->process();
    EXPECT_EQ(typed(), sent.substr(0, 1024)) << "none typed before the handler came";
    m_input->process();
    EXPECT_EQ(typed().size(), 1024u) << "the rest are gone";
}

TEST_F(InputTest, HandlerUnboundDuringTheWalkGetsNoMoreCharacters)
{
    m_input->bindKeyboard(unbindTwice, nullptr);
    m_input->bindKeyboard(typeTwice, nullptr);
    m_input->pushChar(u'a');
    m_input->pushChar(u'b');
    m_input->process();
    EXPECT_EQ(typed(), u"ab");
}

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

TEST_F(InputTest, UnboundHandlerIsNotCalledForEventsCollectedBeforeItWasUnbound)
{
    const std::pair<const char*, void (*)(cInput&)> cases[] = {
        {"later key event",
            [](cInput& _in) {
                _in.bind(KEY_ESCAPE + CONTROL_KEY_PRESSED, deleteTheView, fakeView(0));
                _in.bind(KEY_ESCAPE, touch, fakeView(1));
            }},
        {"every-event handler of the same event",
            [](cInput& _in) {
                _in.bind(KEY_ESCAPE + CONTROL_KEY_PRESSED, deleteTheView, fakeView(0));
                _in.bind(CONTROL_ANY, touch, fakeView(1));
            }},
        {"movement",
            [](cInput& _in) {
                _in.bindMouse([](eControl, Long, cView* _view) { deleteTheView(_view); }, fakeView(0));
                _in.bindMouse(touchByMouse, fakeView(1));
            }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        m_input.reset();
        SetUp();
        s_deleted = false;
        c.second(*m_input);
        tap(KEY_ESCAPE);
        m_mouse.move(0, 3);
        m_input->process();
        EXPECT_EQ(journal(), (std::vector<sCall>{{"d", nullptr}}));
    }
}

void noteMove(eControl _axis, Long _delta, cView*)
{
    journal().push_back({std::to_string(_axis) + ":" + std::to_string(_delta), nullptr});
}

TEST_F(InputTest, MovementComesAsXThenYThenWheelOnlyForAxesThatMoved)
{
    m_input->bindMouse(noteMove, nullptr);
    m_mouse.move(7, 0);
    m_input->process();
    EXPECT_EQ(journal(), (std::vector<sCall>{{"528:7", nullptr}}));
    m_mouse.move(-2, 3, 120);
    m_input->process();
    EXPECT_EQ(journal(),
        (std::vector<sCall>{{"528:7", nullptr}, {"528:-2", nullptr}, {"529:3", nullptr}, {"530:120", nullptr}}));
    m_input->process();
    EXPECT_EQ(journal().size(), 4u) << "no movement, no call";
}

TEST_F(InputTest, OverflowingBufferStillDeliversTheKeptEvents)
{
    m_input->bind(CONTROL_ANY, note<'*'>, nullptr);
    for (int index = 0; index < 1030; ++index)
        m_keyboard.push(KEY_SPACE, index % 2 == 0);
    m_input->process();
    EXPECT_EQ(journal().size(), 1024u);
}

TEST_F(InputTest, FailedKeyboardReadingSkipsItsEventsForOneFrame)
{
    m_input->bind(CONTROL_ANY, note<'*'>, nullptr);
    const struct {
        eInputResult result;
        int acquires; // further acquisitions the frame makes
    } failures[] = {{eInputResult::notAcquired, 1}, {eInputResult::inputLost, 1}, {eInputResult::failed, 0}};
    for (const auto& failure : failures) {
        journal().clear();
        const int before = m_keyboard.getAcquireCount();
        tap(KEY_ESCAPE);
        m_mouse.pushButton(0, true);
        m_keyboard.failNextRead(failure.result);
        if (failure.result == eInputResult::notAcquired)
            m_keyboard.unacquire();
        EXPECT_NO_THROW(m_input->process());
        EXPECT_EQ(journal().size(), 1u) << "only the mouse button, result " << int(failure.result);
        EXPECT_EQ(m_keyboard.getAcquireCount() - before, failure.acquires);
        EXPECT_TRUE(m_keyboard.isAcquired());
        journal().clear();
        tap(KEY_ESCAPE);
        m_input->process();
        EXPECT_GE(journal().size(), 2u) << "the keyboard is back";
    }
}

TEST_F(InputTest, LostMouseIsAcquiredAgainWithoutEndingTheGame)
{
    m_input->bindMouse(noteMove, nullptr);
    m_mouse.failNextRead(eInputResult::inputLost);
    EXPECT_NO_THROW(m_input->process());
    m_mouse.move(4, 0);
    m_mouse.failNextState(eInputResult::inputLost);
    EXPECT_NO_THROW(m_input->process());
    EXPECT_TRUE(m_mouse.isAcquired());
    EXPECT_EQ(m_mouse.getAcquireCount(), 3);
    m_mouse.move(4, 0);
    m_input->process();
    EXPECT_EQ(journal(), (std::vector<sCall>{{"528:4", nullptr}}));
}

TEST_F(InputTest, KeysHeldWhenTheFocusGoesAreReleasedAndInputContinuesAfter)
{
    m_input->bind(CONTROL_ANY, note<'*'>, nullptr);
    const eControl alt = 0x38;
    m_input->bind(alt, note<'a'>, nullptr);
    m_input->bind(KEY_RETURN, note<'r'>, nullptr);
    m_input->bind(CONTROL_BUTTON_RELEASED + 1, note<'b'>, nullptr);
    m_input->bind(KEY_SPACE, note<'s'>, nullptr);
    m_keyboard.push(alt, true);
    m_keyboard.push(KEY_SPACE, true);
    tap(KEY_RETURN);
    m_mouse.pushButton(1, true);
    m_input->process();
    journal().clear();
    m_input->unacquireDevices();
    m_input->process();
    const std::vector<sCall> expected = {{"a", nullptr}, {"*", nullptr}, {"b", nullptr}, {"*", nullptr}};
    EXPECT_EQ(journal(), expected) << "Space, let go outside the game, acts on nothing";
    m_input->process();
    EXPECT_EQ(journal().size(), 4u) << "released once";

    journal().clear();
    m_keyboard.setFocus(false);
    EXPECT_FALSE(m_input->acquireDevices());
    EXPECT_TRUE(m_mouse.isAcquired()) << "both are always attempted";
    m_keyboard.setFocus(true);
    EXPECT_TRUE(m_input->acquireDevices());
    tap(KEY_ESCAPE);
    m_input->process();
    EXPECT_EQ(journal().size(), 2u) << "input continues when the focus comes back";
}

TEST_F(InputTest, KeyStateIsReadOncePerFrame)
{
    m_keyboard.push(KEY_SPACE, true);
    m_input->process();
    EXPECT_TRUE(m_input->isKeyPresed(KEY_SPACE));
    EXPECT_FALSE(m_input->isKeyPresed(KEY_ESCAPE));
    EXPECT_EQ(m_keyboard.getStateReadCount(), 1);
    m_input->process();
    EXPECT_TRUE(m_input->isKeyPresed(KEY_SPACE)) << "held keys stay down";
    m_keyboard.push(KEY_SPACE, false);
    m_input->process();
    EXPECT_FALSE(m_input->isKeyPresed(KEY_SPACE));
    EXPECT_EQ(m_keyboard.getStateReadCount(), 3);
}

TEST_F(InputTest, ExclusiveMouseChangesOnlyOnAChange)
{
    m_input->exclusiveMouse(true);
    m_input->exclusiveMouse(true);
    EXPECT_TRUE(m_input->isExclusiveMouse());
    EXPECT_EQ(m_mouse.getExclusiveChangeCount(), 1);
    EXPECT_TRUE(m_mouse.isAcquired());
    m_input->exclusiveMouse(false);
    EXPECT_FALSE(m_mouse.isExclusive());
}

TEST(InputWithoutDevices, BindingsWorkAndNothingIsDelivered)
{
    journal().clear();
    cInput input(nullptr, nullptr);
    EXPECT_TRUE(input.acquireDevices());
    input.bind(CONTROL_ANY, note<'*'>, nullptr);
    input.exclusiveMouse(true);
    input.process();
    EXPECT_FALSE(input.isKeyPresed(KEY_SPACE));
    EXPECT_TRUE(journal().empty());
}

TEST(InputKeyNames, EveryNamedKeyHasItsNameAndOtherCodesAnEmptyOneTheyKeep)
{
    cInput input(nullptr, nullptr);
    eControl previous = 0;
    for (const sKeyName& key : getKeyNameTable()) {
        EXPECT_GT(key.code, previous) << "ascending";
        previous = key.code;
        EXPECT_EQ(input.getKeyName(key.code), key.name) << key.code;
    }
    for (eControl unnamed : {0x11C, 0x213})
        EXPECT_EQ(input.getKeyName(unnamed), "") << unnamed;
    EXPECT_EQ(&input.getKeyName(0x11C), &input.getKeyName(0x11C));
}

} // namespace
