#include "TextHarness.h"

#include "Ui/MultilineText.h"
#include "engine/TextConvert.h"

namespace {

class MultilineText : public cTextTest {
protected:
    // A shown, enabled block at (100, 300), 200 by 200, lines 40 apart, from its element.
    cMultilineText* makeBlock(const std::string& _text, const std::string& _attributes = "")
    {
        m_blocks.push_back(std::make_unique<cMultilineText>(nullptr));
        cMultilineText* block = m_blocks.back().get();
        block->loadXML(element("<m Visible=\"1\" Enable=\"1\" Font=\"fonts/test.fnt\" Texture=\"fonts/test.png\" "
                               "Align=\"1\" position=\"100 300\" size=\"200 200\" Localized=\"0\" " +
                               _attributes + "><Text>" + _text + "</Text></m>"));
        return block;
    }
    static std::vector<std::string> strings(const cMultilineText& _block)
    {
        std::vector<std::string> result;
        for (const cText* line : _block.getLines())
            result.push_back(toString(line->getString()));
        return result;
    }
    static std::vector<Float> ys(const cMultilineText& _block)
    {
        std::vector<Float> result;
        for (const cText* line : _block.getLines())
            result.push_back(line->getPosition().y);
        return result;
    }

    std::vector<std::unique_ptr<cMultilineText>> m_blocks;
};

TEST_F(MultilineText, LineFeedsSplitTheTextAndATrailingOneAddsNoLine)
{
    const struct {
        const char* text;
        std::vector<std::string> lines;
    } cases[] = {{"a\nb\n", {"a", "b"}}, {"a\n\nb", {"a", "", "b"}}, {"", {}}};
    for (const auto& c : cases)
        EXPECT_EQ(strings(*makeBlock(c.text)), c.lines) << c.text;
}

TEST_F(MultilineText, WrappedLinesBreakAtTheLastSpaceThatFitsAndPushLaterLinesDown)
{
    // "aaa bbb" is 154 wide, "aaa bbb ccc" 260.
    cMultilineText* block = makeBlock("aaa bbb ccc\nab", "WrapText=\"1\"");
    EXPECT_EQ(strings(*block), (std::vector<std::string>{"aaa bbb", " ccc", "ab"}));
    EXPECT_EQ(ys(*block), (std::vector<Float>{300, 340, 380}));
    EXPECT_EQ(block->getTextSize(), Vector2(154, 32 + 80));
    // A continuation whose only space is its first ends with the cut-off part on a line of its own.
    EXPECT_EQ(strings(*makeBlock("aaa bbbbbbb", "WrapText=\"1\"")),
              (std::vector<std::string>{"aaa", " bbbbbbb", ""}));
}

TEST_F(MultilineText, VerticalAlignPlacesTheBlockAroundThePosition)
{
    const struct {
        const char* align;
        std::vector<Float> ys;
    } cases[] = {{"0", {260, 300, 340}}, {"1", {220, 260, 300}}, {"2", {300, 340, 380}}, {"3", {300, 340, 380}}};
    for (const auto& c : cases)
        EXPECT_EQ(ys(*makeBlock("a\nb\nc", std::string("VerticalAlign=\"") + c.align + "\"")), c.ys) << c.align;
}

TEST_F(MultilineText, ADeferredTextFollowsAtTheNextFrameAndCopiesStartEmpty)
{
    cMultilineText* block = makeBlock("a");
    block->setText(u"key\nb", false);
    EXPECT_EQ(strings(*block), (std::vector<std::string>{"a"}));
    block->setLocalized(true);
    frame();
    EXPECT_EQ(strings(*block), (std::vector<std::string>{"key", "b"})) << "the table has no key\\nb";
    block->setText(u"key\nb", false);
    EXPECT_FALSE(block->isDirty());
    block->setText(u"key", true);
    EXPECT_EQ(strings(*block), (std::vector<std::string>{"ab"}));

    cMultilineText copy(*block);
    EXPECT_TRUE(copy.getLines().empty());
    copy.setText(u"ba", true);
    EXPECT_EQ(copy.getLines().front()->getLetters().size(), 2u);
    EXPECT_EQ(copy.getLines().front()->getPosition(), Vector2(100, 300));
}

} // namespace
