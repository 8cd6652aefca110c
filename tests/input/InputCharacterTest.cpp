#include "InputHarness.h"

namespace {

std::u16string& typed()
{
    static std::u16string s_typed;
    return s_typed;
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

class InputCharacterTest : public InputTest {
protected:
    void SetUp() override
    {
        InputTest::SetUp();
        typed().clear();
    }
};

TEST_F(InputCharacterTest, AtMost1024CharactersWaitForAFrameAndOnlyForAHandler)
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

TEST_F(InputCharacterTest, HandlerUnboundDuringTheWalkGetsNoMoreCharacters)
{
    m_input->bindKeyboard(unbindTwice, nullptr);
    m_input->bindKeyboard(typeTwice, nullptr);
    m_input->pushChar(u'a');
    m_input->pushChar(u'b');
    m_input->process();
    EXPECT_EQ(typed(), u"ab");
}

} // namespace
