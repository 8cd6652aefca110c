#include "ScreenHarness.h"

#include "Ui/ListBox.h"

namespace {

using Journal = std::vector<std::string>;

// A list around (400, 300), 200 high with rows 50 apart: four rows show, centred at y 225, 275,
// 325 and 375; the up button stands at (400, 180), the down button at (400, 420).
class ListBoxRows : public cScreenTest {
protected:
    cListBox* makeList(UInt _rows, const std::string& _strings = "")
    {
        const std::string button = "Visible=\"1\" Enable=\"1\" Picture=\"ui/button.png\" size=\"40 20\" ";
        cListBox* list = load(keep<cListBox>(),
            "<l Visible=\"1\" Enable=\"1\" position=\"400 300\" TopLeft=\"0 0\" BottomRight=\"0 200\" "
            "Interlinear=\"50\"><UpButton " + button + "position=\"400 180\"/><DownButton " + button +
            "position=\"400 420\"/><Button Visible=\"1\" Enable=\"1\" Picture=\"ui/button.png\" size=\"200 40\">"
            "<Text Visible=\"1\" Enable=\"1\" " + FONT + "/></Button>" + _strings + "</l>");
        list->setOnSelect([](UInt _index, cListBox*) { record("select " + std::to_string(_index)); });
        for (UInt i = 0; i < _rows; ++i)
            list->addItem(u"ab");
        return list;
    }
    // The indices of the rows shown, and whether the up and down buttons show.
    static std::string shown(const cListBox& _list)
    {
        std::string result;
        for (const cTextButton* row : _list.getRows())
            if (row->isVisible())
                result += std::to_string(row->getUserValue());
        return result + (_list.getUpButton()->isVisible() ? " up" : "") +
               (_list.getDownButton()->isVisible() ? " down" : "");
    }
    void clickAt(Int _x, Int _y)
    {
        moveTo(_x, _y);
        click();
    }
};

TEST_F(ListBoxRows, TheButtonsScrollByOneRowAndHideAtTheEnds)
{
    cListBox* list = makeList(4);
    EXPECT_EQ(shown(*list), "0123") << "all rows fit: no buttons";
    list->addItem(u"ab");
    EXPECT_EQ(shown(*list), "0123 down");
    clickAt(400, 420);
    EXPECT_EQ(shown(*list), "1234 up");
    EXPECT_EQ(list->getRows()[1]->getPosition(), Vector2(400, 225));
    cListBox::onScrollDown(list->getDownButton());
    EXPECT_EQ(list->getTop(), 1u) << "the last row stays at the bottom";
    clickAt(400, 180);
    EXPECT_EQ(shown(*list), "0123 down");
}

TEST_F(ListBoxRows, ARowClickReportsItsIndexNotItsPlaceOnScreen)
{
    cListBox* list = makeList(6);
    cListBox::onScrollDown(list->getDownButton());
    cListBox::onScrollDown(list->getDownButton());
    takeJournal();
    clickAt(400, 275);
    EXPECT_EQ(takeJournal(), Journal({"select 3"}));
}

TEST_F(ListBoxRows, ClearingAScrolledListStartsTheNextRowsAtTheTop)
{
    cListBox* list = makeList(6);
    cListBox::onScrollDown(list->getDownButton());
    cListBox::onScrollDown(list->getDownButton());
    list->clear();
    EXPECT_EQ(shown(*list), "");
    list->addItem(u"b");
    EXPECT_EQ(shown(*list), "0");
    EXPECT_EQ(list->getRows()[0]->getPosition(), Vector2(400, 225));
    m_engine.frame();
    takeJournal();
    clickAt(400, 225);
    EXPECT_EQ(takeJournal(), Journal({"select 0"}));
}

TEST_F(ListBoxRows, TheStartingRowsComeFromStrings)
{
    cListBox* list = makeList(0, "<Strings Count=\"2\" str0=\"a\" str1=\"b\"/>");
    ASSERT_EQ(list->getRows().size(), 2u);
    EXPECT_EQ(list->getRows()[1]->getText()->getString(), u"b");
    EXPECT_EQ(shown(*list), "01");
}

} // namespace
