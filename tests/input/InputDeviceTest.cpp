#include "InputHarness.h"

#include "input/KeyNames.h"

namespace {

std::vector<std::string>& moves()
{
    static std::vector<std::string> s_moves;
    return s_moves;
}

void noteMove(eControl _axis, Long _delta, cView*)
{
    moves().push_back(std::to_string(_axis) + ":" + std::to_string(_delta));
}

class InputDeviceTest : public InputTest {
protected:
    void SetUp() override
    {
        InputTest::SetUp();
        moves().clear();
        m_input->bind(CONTROL_ANY, note<'*'>, nullptr);
    }
};

TEST_F(InputDeviceTest, MovementComesAsXThenYThenWheelOnlyForAxesThatMoved)
{
    m_input->bindMouse(noteMove, nullptr);
    m_mouse.move(7, 0);
    m_input->process();
    EXPECT_EQ(moves(), std::vector<std::string>{"528:7"});
    m_mouse.move(-2, 3, 120);
    m_input->process();
    EXPECT_EQ(moves(), (std::vector<std::string>{"528:7", "528:-2", "529:3", "530:120"}));
    m_input->process();
    EXPECT_EQ(moves().size(), 4u) << "no movement, no call";
}

TEST_F(InputDeviceTest, OverflowingBufferStillDeliversTheKeptEvents)
{
    for (int index = 0; index < 1030; ++index)
        m_keyboard.push(KEY_SPACE, index % 2 == 0);
    m_input->process();
    EXPECT_EQ(journal().size(), 1024u);
}

struct sFailure {
    eInputResult result;
    int acquires; // further acquisitions the frame makes
};

TEST_F(InputDeviceTest, FailedKeyboardReadingSkipsItsEventsForOneFrame)
{
    const sFailure failures[] = {
        {eInputResult::notAcquired, 1}, {eInputResult::inputLost, 1}, {eInputResult::failed, 0}};
    for (const sFailure& failure : failures) {
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

TEST_F(InputDeviceTest, LostMouseIsAcquiredAgainWithoutEndingTheGame)
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
    EXPECT_EQ(moves(), std::vector<std::string>{"528:4"});
}

TEST_F(InputDeviceTest, KeysHeldWhenTheFocusGoesAreReleasedAndInputContinuesAfter)
{
    const eControl alt = 0x38;
    m_input->bind(alt, note<'a'>, nullptr);
    m_input->bind(KEY_RETURN, note<'r'>, nullptr);
    m_input->bind(CONTROL_BUTTON_RELEASED + 1, note<'b'>, nullptr);
    m_keyboard.push(alt, true);
    tap(KEY_RETURN);
    m_mouse.pushButton(1, true);
    m_input->process();
    journal().clear();
    m_input->unacquireDevices();
    m_input->process();
    const std::vector<sCall> expected = {{"a", nullptr}, {"*", nullptr}, {"b", nullptr}, {"*", nullptr}};
    EXPECT_EQ(journal(), expected);
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

TEST_F(InputDeviceTest, KeyStateIsReadOncePerFrame)
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

TEST_F(InputDeviceTest, ExclusiveMouseChangesOnlyOnAChange)
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
