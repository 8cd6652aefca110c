#include "Game/GameHarness.h"
#include "Game/Farm/Buildings/WareDetail.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/GameMenu/GameMenu.h"
#include "Ui/controls/Picture.h"
#include "Ui/texts/Text.h"

#include <string>

namespace {

// Kind k's small icon has k + 1 columns, its large icon k + 1 rows: a slot tells its kind.
std::string productsXml()
{
    std::string items;
    for (int k = 0; k < 19; ++k)
        items += "<P><Icon anim_columns=\"" + std::to_string(k + 1) + "\" /><IconLarge anim_rows=\"" +
                 std::to_string(k + 1) + "\" /></P>";
    return "<Game><ProductionInfo>" + items + "</ProductionInfo></Game>";
}

class cWareDetailTest : public cGameTest {
protected:
    cWareDetailTest() { load(productsXml()); }

    cWareDetail& panel() { return *cWareDetail::getInstance(); }
    cWareHouse& warehouse() { return *cWareHouse::getInstance(); }
    // What the shown slots list: (kind by its icon, count text), in slot order.
    std::vector<std::pair<UInt, std::u16string>> listed()
    {
        std::vector<std::pair<UInt, std::u16string>> slots;
        for (UInt i = 0; i < panel().getSlotCount(); ++i) {
            cPicture* icon = panel().getIcon(i);
            if (!icon->isOwnVisible())
                continue;
            EXPECT_TRUE(panel().getText(i)->isOwnVisible()) << i;
            const UInt kind = (i == 1 ? icon->getAnimRows() : icon->getAnimColumns()) - 1;
            slots.emplace_back(kind, panel().getText(i)->getString());
        }
        return slots;
    }
    // Slid in and settled.
    void slideIn()
    {
        panel().drawHovered();
        m_engine.frames(30);
    }
};

using tListed = std::vector<std::pair<UInt, std::u16string>>;

TEST_F(cWareDetailTest, TheKindsInStockArePackedWithoutGapsUpToTheLastSlot)
{
    struct sCase {
        std::vector<std::pair<UInt, UInt>> stock;
        tListed listed;
    };
    // Slot 1 shows the large icon; twelve slots take kinds 0..11 only; an empty warehouse still slides the panel in.
    const sCase cases[] = {
        {{{9, 5}, {2, 3}}, {{2, u"x3"}, {9, u"x5"}}},
        {{{0, 1}, {1, 1}, {3, 1}, {4, 1}}, {{0, u"x1"}, {1, u"x1"}, {3, u"x1"}, {4, u"x1"}}},
        {{}, {}},
        {{{11, 2}, {12, 2}}, {{11, u"x2"}}},
    };
    for (const sCase& c : cases) {
        for (UInt kind = 0; kind < 19; ++kind)
            warehouse().removeGoods(kind, 100, false, false);
        for (const auto& [kind, count] : c.stock)
            warehouse().addGoods(kind, count, false, false);
        slideIn();
        EXPECT_TRUE(panel().isOwnVisible());
        EXPECT_EQ(listed(), c.listed) << c.stock.size();
        EXPECT_EQ(panel().getPosition(), Vector2(100, 100));
        panel().undraw();
        m_engine.frames(30);
    }
}

TEST_F(cWareDetailTest, StockChangesShowWhileThePanelIsIn)
{
    warehouse().addGoods(1, 4, false, false);
    slideIn();
    warehouse().removeGoods(1, 4, false, false);
    warehouse().addGoods(2, 7, false, false);
    EXPECT_EQ(listed(), (tListed{{2, u"x7"}}));
    panel().undraw();
    m_engine.frames(30);
    warehouse().addGoods(0, 1, false, false);
    EXPECT_EQ(listed(), (tListed{{2, u"x7"}})) << "not refreshed while out";
    slideIn();
    EXPECT_EQ(listed(), (tListed{{0, u"x1"}, {2, u"x7"}}));
}

struct sLeave {
    int framesAway; // 20 ms each
    Bool back;      // the mouse came back over the gauge
    Bool shown;
};

TEST_F(cWareDetailTest, ThePanelGoesAfterTheMouseLeftForItsTime)
{
    const sLeave cases[] = {{99, false, true}, {101, false, false}, {50, true, true}, {500, true, true}};
    for (const sLeave& leave : cases) {
        slideIn();
        cGameMenu::onWareUnhover(nullptr);
        m_engine.frames(leave.back ? 50 : leave.framesAway);
        if (leave.back) {
            cGameMenu::onWareHover(nullptr);
            m_engine.frames(leave.framesAway);
        }
        EXPECT_EQ(panel().isShown(), leave.shown) << leave.framesAway << " frames, back " << leave.back;
        panel().undraw();
        m_engine.frames(30);
        EXPECT_FALSE(panel().isOwnVisible());
    }
}

TEST_F(cWareDetailTest, ThePanelStaysWhileTheMouseStays)
{
    cGameMenu::onWareHover(nullptr);
    m_engine.frames(1000);
    EXPECT_TRUE(panel().isShown());
    EXPECT_EQ(panel().getPosition(), Vector2(100, 100));
}

TEST_F(cWareDetailTest, AChangeOfScreenSendsThePanelOutAtOnce)
{
    slideIn();
    cGameMenu::getInstance()->gotoMarket();
    EXPECT_FALSE(panel().isShown());
    m_engine.frames(30);
    EXPECT_FALSE(panel().isOwnVisible());
    EXPECT_EQ(panel().getPosition(), Vector2(100, -200));
}

} // namespace
