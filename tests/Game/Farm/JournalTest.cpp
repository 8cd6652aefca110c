#include "Game/Farm/Journal.h"
#include "Game/GameHarness.h"
#include "Game/GameMenu.h"
#include "Ui/MultilineText.h"
#include "Ui/NameFont.h"
#include "Ui/Text.h"
#include "engine/TextConvert.h"
#include "support/ImageFixtures.h"

#include <string>
#include <vector>

namespace {

constexpr UInt READ = 0xFF808080;
constexpr UInt UNREAD = 0xFF203040;
// Every line of the test font is as tall as its picture.
constexpr Float LINE = 64;

// A page of 420 pixels with gaps of 4: six one-line notes (6 x 64 + 5 x 4 = 404) fit, seven do not.
std::string journalXml()
{
    return makeXml16("<Journal Visible=\"0\" Enable=\"1\" ReadColor=\"0xFF808080\" UnreadColor=\"0xFF203040\" "
                     "FitRect=\"100 100 500 520\" MinDist=\"4\">"
                     "<UpButton Visible=\"1\" Enable=\"1\" size=\"48 48\" position=\"540 120\" />"
                     "<DownButton Visible=\"1\" Enable=\"1\" size=\"48 48\" position=\"540 500\" />"
                     "<OkButton Visible=\"1\" Enable=\"1\" size=\"160 48\" position=\"300 560\" />"
                     "<MultiProto Visible=\"0\" Enable=\"1\" Font=\"fonts/name.fnt\" Texture=\"fonts/name.png\" "
                     "Localized=\"0\" WrapText=\"1\" Interlinear=\"40\" VerticalAlign=\"0\" /></Journal>");
}

class cJournalTest : public cGameTest {
protected:
    cJournalTest()
        : cGameTest({{"UI/gameUI/Journal.xml", journalXml()}, {"fonts/name.fnt", makeNameFont()},
                     {"fonts/name.png", makePng(makeImage(64, 64, [](UInt, UInt) { return 0xFFFFFFFFu; }))}},
                    cEngineHarness::eRenderer::recording)
    {
    }
    cJournal& journal() { return *cJournal::getInstance(); }
    cGameMenu& menu() { return *cGameMenu::getInstance(); }
    // Notes "n0".."n<count-1>", the first _read of them read.
    void addNotes(int _count, int _read = 0)
    {
        for (int i = 0; i < _count; ++i)
            menu().addNote(toWString("n" + std::to_string(i)), i < _read);
    }
    std::vector<std::string> page()
    {
        std::vector<std::string> texts;
        for (const cJournal::sBlock& block : journal().getBlocks())
            texts.push_back(toString(block.text->getText()));
        return texts;
    }
    UInt colorOf(size_t _block) { return journal().getBlocks()[_block].text->getLines().front()->getTextColor(); }
};

struct sPaging {
    const char* name;
    int ups, downs; // presses after opening, ups first
    int first, last;
    bool up, down;
};

TEST_F(cJournalTest, OpensOnTheNewestNotesAndArrowsShiftTheStartByOneNote)
{
    const sPaging cases[] = {
        {"opened", 0, 0, 4, 9, true, false},
        {"one up", 1, 0, 3, 8, true, true},
        {"up to the first", 4, 0, 0, 5, false, true},
        {"past the first", 6, 0, 0, 5, false, true},
        {"up then down", 3, 3, 4, 9, true, false},
        {"down past the newest", 0, 2, 6, 9, true, false},
    };
    addNotes(10);
    for (const sPaging& c : cases) {
        SCOPED_TRACE(c.name);
        journal().draw();
        for (int i = 0; i < c.ups; ++i)
            cJournal::onUp(nullptr);
        for (int i = 0; i < c.downs; ++i)
            cJournal::onDown(nullptr);
        EXPECT_EQ(journal().getFirst(), c.first);
        EXPECT_EQ(journal().getLast(), c.last);
        ASSERT_EQ(page().size(), size_t(c.last - c.first + 1));
        EXPECT_EQ(page().front(), "n" + std::to_string(c.first));
        EXPECT_EQ(journal().getUpButton()->isOwnVisible(), c.up);
        EXPECT_EQ(journal().getDownButton()->isOwnVisible(), c.down);
        cJournal::onOk(nullptr);
    }
}

TEST_F(cJournalTest, BlocksStackFromTheTopOfTheRectangleInNoteOrder)
{
    addNotes(3);
    journal().draw();
    ASSERT_EQ(page(), (std::vector<std::string>{"n0", "n1", "n2"}));
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(journal().getBlocks()[i].height, LINE);
        EXPECT_FLOAT_EQ(journal().getBlocks()[i].text->getPosition().x, 300);
        EXPECT_FLOAT_EQ(journal().getBlocks()[i].text->getPosition().y, 100 + LINE / 2 + Float(i) * (LINE + 4));
        EXPECT_TRUE(journal().getBlocks()[i].text->isOwnVisible());
    }
    EXPECT_FALSE(journal().getPrototype()->isOwnVisible());
}

TEST_F(cJournalTest, ANoteTallerThanThePageIsStillShown)
{
    addNotes(2);
    menu().addNote(u"1\n2\n3\n4\n5\n6\n7\n8\n9\n10", false);
    journal().draw();
    ASSERT_EQ(journal().getBlocks().size(), 1u);
    EXPECT_GT(journal().getBlocks()[0].height, 420);
    EXPECT_EQ(journal().getFirst(), 2);
    EXPECT_TRUE(journal().getUpButton()->isOwnVisible());
    cJournal::onUp(nullptr);
    EXPECT_EQ(page(), (std::vector<std::string>{"n1"}));
}

TEST_F(cJournalTest, AnEmptyJournalShowsAnEmptyPageWithoutArrows)
{
    journal().draw();
    EXPECT_TRUE(journal().getBlocks().empty());
    EXPECT_FALSE(journal().getUpButton()->isOwnVisible());
    EXPECT_FALSE(journal().getDownButton()->isOwnVisible());
    cJournal::onUp(nullptr);
    cJournal::onDown(nullptr);
    EXPECT_TRUE(journal().getBlocks().empty());
}

TEST_F(cJournalTest, ReadNotesTakeTheReadColourUntilOkMarksEveryNoteRead)
{
    addNotes(3, 2);
    journal().draw();
    EXPECT_EQ(colorOf(0), READ);
    EXPECT_EQ(colorOf(1), READ);
    EXPECT_EQ(colorOf(2), UNREAD);
    cJournal::onOk(nullptr);
    for (const cGameMenu::sNote& note : menu().getNotes())
        EXPECT_TRUE(note.read);
    EXPECT_FALSE(menu().isJournalBlinking());
    journal().draw();
    EXPECT_EQ(colorOf(2), READ);
}

TEST_F(cJournalTest, TheMenuBarStandsWhileTheJournalIsOpen)
{
    addNotes(1);
    journal().draw();
    EXPECT_FALSE(menu().isEnabled());
    EXPECT_FALSE(menu().isAbsoluteEnabled());
    cJournal::onOk(nullptr);
    EXPECT_TRUE(menu().isEnabled());
    EXPECT_TRUE(menu().isAbsoluteEnabled());
    EXPECT_EQ(journal().getFadeState(), cView::FADE_OUT);
}

TEST_F(cJournalTest, NotesThatArriveWhileOpenWaitForTheNextOpening)
{
    addNotes(2);
    journal().draw();
    menu().addNote(u"late", false);
    cJournal::onDown(nullptr);
    EXPECT_EQ(journal().getNotes().size(), 2u);
    cJournal::onOk(nullptr);
    journal().draw();
    EXPECT_EQ(page().back(), "late");
}

} // namespace
