#include "engine/text/TextConvert.h"
#include "Game/Farm/Letters/Journal.h"
#include "Game/GameHarness.h"
#include "Game/GameMenu/GameMenu.h"
#include "support/ImageFixtures.h"
#include "Ui/texts/MultilineText.h"
#include "Ui/NameFont.h"
#include "Ui/texts/Text.h"

namespace {

// Every line of the test font is 64 pixels tall: on a page of 420 with gaps of 4, six one-line
// notes fit (404) and seven do not.
class cJournalTest : public cGameTest {
protected:
    cJournalTest()
        : cGameTest({{"UI/gameUI/Journal.xml",
                      makeXml16("<Journal ReadColor=\"0xFF808080\" UnreadColor=\"0xFF203040\" FitRect=\"100 100 500 520\" "
                                "MinDist=\"4\"><UpButton /><DownButton /><OkButton /><MultiProto Font=\"fonts/name.fnt\" "
                                "Texture=\"fonts/name.png\" Localized=\"0\" Interlinear=\"40\" VerticalAlign=\"0\" /></Journal>")},
                     {"fonts/name.fnt", makeNameFont()},
                     {"fonts/name.png", makePng(makeImage(64, 64, [](UInt, UInt) { return 0xFFFFFFFFu; }))}},
                    cEngineHarness::eRenderer::recording)
    {
    }
    static cJournal& journal() { return *cJournal::getInstance(); }
    static cGameMenu& menu() { return *cGameMenu::getInstance(); }
    // Notes "n0".."n<count-1>", the first _read of them read.
    static void addNotes(int _count, int _read = 0)
    {
        for (int i = 0; i < _count; ++i)
            menu().addNote(toWString("n" + std::to_string(i)), i < _read);
    }
    static const cJournal::sBlock& block(size_t _i) { return journal().getBlocks().at(_i); }
    static UInt colorOf(size_t _i) { return block(_i).text->getLines().front()->getTextColor(); }
};

TEST_F(cJournalTest, OpensOnTheNewestNotesAndArrowsShiftTheStartByOneNote)
{
    struct sCase {
        int ups, downs, first, last;
        bool up, down;
    };
    const sCase cases[] = {{0, 0, 4, 9, true, false}, {1, 0, 3, 8, true, true}, {6, 0, 0, 5, false, true},
                           {3, 3, 4, 9, true, false}, {0, 2, 6, 9, true, false}};
    addNotes(10);
    for (const sCase& c : cases) {
        SCOPED_TRACE(c.ups * 10 + c.downs);
        journal().draw();
        for (int i = 0; i < c.ups; ++i)
            cJournal::onUp(nullptr);
        for (int i = 0; i < c.downs; ++i)
            cJournal::onDown(nullptr);
        EXPECT_EQ(journal().getFirst(), c.first);
        EXPECT_EQ(journal().getLast(), c.last);
        ASSERT_EQ(journal().getBlocks().size(), size_t(c.last - c.first + 1));
        EXPECT_EQ(block(0).text->getText(), toWString("n" + std::to_string(c.first)));
        // The earliest note stands at the top of the rectangle, the others below it.
        EXPECT_EQ(block(1).text->getPosition(), Vector2(300, 100 + 64 + 4 + 32));
        EXPECT_EQ(journal().getUpButton()->isOwnVisible(), c.up);
        EXPECT_EQ(journal().getDownButton()->isOwnVisible(), c.down);
    }
}

TEST_F(cJournalTest, ANoteTallerThanThePageIsStillShown)
{
    addNotes(2);
    menu().addNote(u"1\n2\n3\n4\n5\n6\n7\n8\n9\n10", false);
    journal().draw();
    ASSERT_EQ(journal().getBlocks().size(), 1u);
    EXPECT_GT(block(0).height, 420);
    EXPECT_EQ(journal().getFirst(), 2);
}

TEST_F(cJournalTest, AnEmptyJournalShowsAnEmptyPageWithoutArrows)
{
    journal().draw();
    cJournal::onUp(nullptr);
    EXPECT_TRUE(journal().getBlocks().empty());
    EXPECT_FALSE(journal().getUpButton()->isOwnVisible());
    EXPECT_FALSE(journal().getDownButton()->isOwnVisible());
}

TEST_F(cJournalTest, TheBarStandsUntilOkMarksEveryNoteRead)
{
    addNotes(3, 2);
    journal().draw();
    EXPECT_EQ(std::vector<UInt>({colorOf(0), colorOf(1), colorOf(2)}), std::vector<UInt>({0xFF808080, 0xFF808080, 0xFF203040}));
    EXPECT_FALSE(menu().isEnabled());
    EXPECT_FALSE(menu().isAbsoluteEnabled());
    cJournal::onOk(nullptr);
    EXPECT_TRUE(menu().isEnabled());
    EXPECT_TRUE(menu().isAbsoluteEnabled());
    EXPECT_FALSE(menu().isJournalBlinking());
    journal().draw();
    EXPECT_EQ(colorOf(2), 0xFF808080u);
}

} // namespace
